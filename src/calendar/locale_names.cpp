// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/locale_names.h"

namespace tessarine {

const LocaleNames& EnglishLocaleNames() {
    static const LocaleNames english;
    return english;
}

}  // namespace tessarine
