// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/font_config_warm_up.h"

#include <system_error>

#ifdef TESSARINE_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace tessarine {

FontConfigWarmUp::FontConfigWarmUp() {
#ifdef TESSARINE_HAVE_FONTCONFIG
    try {
        // The default configuration is set atomically: whichever thread
        // loads it first, the toolkit finds it ready.
        thread_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Without a thread the toolkit loads it itself, as it always could.
    }
#endif
}

FontConfigWarmUp::~FontConfigWarmUp() {
    Finish();
}

void FontConfigWarmUp::Finish() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace tessarine
