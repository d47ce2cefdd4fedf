// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/system_locale_names.h"

namespace tessarine {

namespace {

// QLocale counts weekdays from Monday = 1 to Sunday = 7.
int QtDayOf(std::size_t sundayFirstIndex) {
    return sundayFirstIndex == 0 ? 7 : static_cast<int>(sundayFirstIndex);
}

}  // namespace

LocaleNames LocaleNamesOf(const QLocale& locale) {
    LocaleNames names;
    for (std::size_t i = 0; i < names.longMonthNames.size(); ++i) {
        const int month = static_cast<int>(i) + 1;
        names.longMonthNames[i] =
            locale.standaloneMonthName(month, QLocale::LongFormat).toStdString();
        names.shortMonthNames[i] =
            locale.standaloneMonthName(month, QLocale::ShortFormat).toStdString();
    }
    for (std::size_t i = 0; i < names.longDayNames.size(); ++i) {
        names.longDayNames[i] =
            locale.standaloneDayName(QtDayOf(i), QLocale::LongFormat).toStdString();
        names.shortDayNames[i] =
            locale.standaloneDayName(QtDayOf(i), QLocale::ShortFormat).toStdString();
    }
    return names;
}

LocaleNames SystemLocaleNames() {
    return LocaleNamesOf(QLocale::system());
}

}  // namespace tessarine
