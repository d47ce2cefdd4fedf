// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace tessarine {

// Month and weekday names of the user's locale, handed to the core as plain
// text so that the date rules never depend on a GUI toolkit. Index 0 of the
// weekday arrays is Sunday; index 0 of the month arrays is January.
struct LocaleNames {
    std::array<std::string, 12> longMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 12> shortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 7> longDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> shortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

    bool operator==(const LocaleNames&) const = default;
};

// The default names, for callers that are not handed the user's locale.
const LocaleNames& EnglishLocaleNames();

}  // namespace tessarine
