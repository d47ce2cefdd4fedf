// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktop_alert.h"

#include <utility>

namespace tessarine {

DesktopAlert::DesktopAlert(Channels channels) : channels_(std::move(channels)) {}

void DesktopAlert::Beep() {
    const bool themed = channels_.playThemeBell && channels_.playThemeBell();
    if (!themed && channels_.ringDisplayBell) channels_.ringDisplayBell();
    if (channels_.showVisualCue) channels_.showVisualCue();
}

}  // namespace tessarine
