// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>

#include "calendar/locale_names.h"

namespace tessarine {

// Month and weekday names of a locale, in the forms a calendar heading uses
// (the nominative, stand-alone forms). Sunday is at index 0.
LocaleNames LocaleNamesOf(const QLocale& locale);

// The names of the user's locale.
LocaleNames SystemLocaleNames();

}  // namespace tessarine
