// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "calendar/locale_names.h"

namespace tessarine {

// A date as a day count: the whole part counts days from 1899-12-30 (day 0),
// the fraction is the time of day. Every date this program creates is whole.
using DateSerial = double;

struct DateFields {
    std::uint16_t year = 0;
    std::uint16_t month = 0;
    std::uint16_t day = 0;

    bool operator==(const DateFields&) const = default;
};

// The one failure of the date arithmetic: fields that name no date.
class DateEncodeError : public std::invalid_argument {
  public:
    DateEncodeError() : std::invalid_argument("Invalid argument to date encode") {}
};

// The span the interactive calendar keeps to.
inline constexpr int kFirstSupportedYear = 1582;
inline constexpr int kLastSupportedYear = 3000;
inline constexpr DateSerial kMinSupportedDate = -116145;  // 1582-01-01
inline constexpr DateSerial kMaxSupportedDate = 402133;   // 3000-12-31

// Throws DateEncodeError unless 1 <= year <= 9999, 1 <= month <= 12 and the
// day exists in that month.
DateSerial EncodeDateSerial(std::uint16_t year, std::uint16_t month, std::uint16_t day);
DateSerial EncodeDateSerial(const DateFields& fields);

// Exact inverse of EncodeDateSerial for 0001-01-01 .. 9999-12-31; any value
// outside that span (or not finite) yields all-zero fields.
DateFields DecodeDateSerial(DateSerial serial);

// The local calendar date, without time of day.
DateSerial TodayDate();

bool IsGregorianLeapYear(int year);
int MonthLength(int year, int month);  // month 1..12 expected
int YearOfDate(DateSerial serial);
int DayOfMonth(DateSerial serial);
DateSerial StartOfYear(DateSerial serial);
int DayOfYear(DateSerial serial);
int WeekdaySundayFirst(DateSerial serial);  // 1 Sunday .. 7 Saturday
int WeekdayMondayFirst(DateSerial serial);  // 1 Monday .. 7 Sunday
std::int32_t ChronologicalJulianDayNumber(int year, int month, int day);
std::int64_t DayDifference(DateSerial a, DateSerial b);  // a minus b, whole days

// Copies the pattern with yyyy, mmmm, mmm, mm, dd and d replaced (longest
// token first); text in single or double quotes is copied without its quotes
// ("d 'de' mmmm" keeps the word; an unclosed quote runs to the end), and
// every other character is copied unchanged.
std::string FormatDateSerial(std::string_view pattern, DateSerial serial,
                             const LocaleNames& names = EnglishLocaleNames());

// The conversions below run for every cell of every paint and every printed
// day, so they are defined here where callers can inline them.

namespace date_detail {
// Days from 0001-01-01 (day 0) to 1899-12-30, the origin of DateSerial.
inline constexpr std::int64_t kDaysBeforeOrigin = 693593;
inline constexpr DateSerial kFirstEncodable = -693593;  // 0001-01-01
inline constexpr DateSerial kLastEncodable = 2958465;   // 9999-12-31
inline constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
[[noreturn]] void ThrowDateEncodeError();
// The defining steps, in exact integers, for any fields.
std::int32_t ClassicalJulianDayNumber(int year, int month, int day);
}  // namespace date_detail

inline bool IsGregorianLeapYear(int year) {
    // Divisible by 4, and by 400 when divisible by 100 (that is, by 16 when
    // divisible by 25): the form without a division by 100 or 400.
    return (year & 3) == 0 && (year % 25 != 0 || (year & 15) == 0);
}

inline int MonthLength(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return date_detail::kMonthLengths[month - 1] +
           (month == 2 && IsGregorianLeapYear(year) ? 1 : 0);
}

// Both conversions count days from 0000-03-01 so that the leap day ends its
// year. Decoding finds months and days with affine functions instead of
// tables and loops; encoding looks the month up, which costs one load.
namespace date_detail {
// Days from the first of March to the first of months 1 to 16 in a year
// that starts in March: January and February (1, 2) count in the year
// before, like 13 and 14, and 15 and 16 run on into the next year.
inline constexpr std::array<std::uint16_t, 16> kDaysFromMarch{
    306, 337, 0, 31, 61, 92, 122, 153, 184, 214, 245, 275, 306, 337, 367, 398};

// Days from 0000-03-01 to the day before the first of `month` in `year`
// (year 1..16384, month 1..16): 1899-12-01 gives 693870.
inline std::uint32_t DaysBeforeMonth(std::uint32_t year, std::uint32_t month) {
    const std::uint32_t y = year - (month <= 2 ? 1 : 0);  // years since 0000-03-01
    const std::uint32_t century = y / 100;
    return 1461 * y / 4 - century + century / 4 + kDaysFromMarch[month - 1];
}
}  // namespace date_detail

inline DateSerial EncodeDateSerial(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    // Every month has 28 days, so most days need no month-length lookup.
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        (day > 28 && day > MonthLength(year, month))) {
        date_detail::ThrowDateEncodeError();
    }
    // 0000-03-01 comes out as 1 here; 1899-12-30 as 693900.
    return static_cast<DateSerial>(
        static_cast<std::int64_t>(date_detail::DaysBeforeMonth(year, month) + day) - 693900);
}

inline DateFields DecodeDateSerial(DateSerial serial) {
    // The comparison is false for NaN, so non-finite values fall out here too.
    if (!(serial >= date_detail::kFirstEncodable && serial < date_detail::kLastEncodable + 1))
        return {};
    // Non-negative from here on, so unsigned arithmetic throughout.
    const auto n = static_cast<std::uint32_t>(static_cast<std::int64_t>(serial) + 693899);
    const std::uint32_t n1 = 4 * n + 3;
    const std::uint32_t century = n1 / 146097;
    const std::uint32_t dayOfCentury = n1 % 146097 / 4;
    const std::uint32_t n2 = 4 * dayOfCentury + 3;
    const std::uint64_t p2 = std::uint64_t{2939745} * n2;
    const auto yearOfCentury = static_cast<std::uint32_t>(p2 >> 32);
    const auto dayOfYear = static_cast<std::uint32_t>(p2 & 0xFFFFFFFFu) / 2939745 / 4;
    const std::uint32_t n3 = 2141 * dayOfYear + 197913;
    const std::uint32_t m = n3 >> 16;  // 3 = March .. 14 = February
    const std::uint32_t day = (n3 & 0xFFFFu) / 2141 + 1;
    const std::uint32_t afterDecember = dayOfYear >= 306 ? 1 : 0;
    return {static_cast<std::uint16_t>(100 * century + yearOfCentury + afterDecember),
            static_cast<std::uint16_t>(afterDecember ? m - 12 : m),
            static_cast<std::uint16_t>(day)};
}

inline std::int32_t ChronologicalJulianDayNumber(int year, int month, int day) {
    const auto y1 = static_cast<std::uint32_t>(year);
    const auto m1 = static_cast<std::uint32_t>(month);
    // The day count from 0000-03-01 follows the classical steps exactly for
    // months 1 to 16 (13 to 16 run on into the next year as those steps do)
    // and for years 1 to 16384 (and well beyond, until its 32-bit sums
    // overflow). Other fields take the classical steps themselves.
    if (y1 - 1 >= 16384u || m1 - 1 >= 16u) [[unlikely]] {
        return date_detail::ClassicalJulianDayNumber(year, month, day);
    }
    // Moved to the Julian Day Number's origin; the day is added as given, as
    // the classical steps do, wrapping as they do rather than overflowing.
    return static_cast<std::int32_t>(date_detail::DaysBeforeMonth(y1, m1) +
                                     static_cast<std::uint32_t>(day) + 1721119u);
}

}  // namespace tessarine
