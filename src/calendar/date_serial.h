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
//
// Where they come from, so that every constant can be checked:
// - Encoding and decoding follow the Gregorian "computational calendar" and
//   its fast conversions (to_rata_die and to_date) in "Euclidean affine
//   functions and their application to calendar algorithms", Software:
//   Practice and Experience, 2023, https://doi.org/10.1002/spe.3172 (preprint
//   https://arxiv.org/abs/2102.06959). Days are counted from 0000-03-01, so
//   that the leap day ends its year, in unsigned 32-bit arithmetic.
// - The chronological Julian Day Number is the Julian Day formula of
//   "Astronomical Algorithms" (2nd edition, 1998), chapter 7 "Julian Day",
//   formula (7.1), for the Gregorian calendar:
//     JD = INT(365.25 (Y + 4716)) + INT(30.6001 (M + 1)) + D + B - 1524.5
//   with January and February counted as months 13 and 14 of the year
//   before, A = INT(Y / 100) and B = 2 - A + INT(A / 4). For a whole day D
//   it gives the Julian Date of that day's midnight, which ends in .5 since
//   Julian days begin at noon; the chronological number, which counts days
//   from midnight, is that plus one half.
// The two share their terms: the encoder's year term is the formula's year
// terms regrouped, and its month table is the formula's month term.

// Leap years: divisible by 4, and by 400 when divisible by 100. A multiple of
// 4 is a multiple of 100 exactly when it is a multiple of 25, and then a
// multiple of 400 exactly when it is a multiple of 16 (400 = 16 x 25): the
// same test without a division by 100 or 400.
inline bool IsGregorianLeapYear(int year) {
    return (year & 3) == 0 && (year % 25 != 0 || (year & 15) == 0);
}

namespace date_detail {
// Days from 0001-01-01 (day 0) to 1899-12-30, the origin of DateSerial.
inline constexpr std::int64_t kDaysBeforeOrigin = 693593;
inline constexpr DateSerial kFirstEncodable = -693593;  // 0001-01-01
inline constexpr DateSerial kLastEncodable = 2958465;   // 9999-12-31
// Days from 0000-03-01 (day 0 of the computational calendar) to 1899-12-30.
inline constexpr std::uint32_t kMarchDaysBeforeOrigin = 693899;
// The chronological Julian Day Number of 0000-03-01. With the line above:
// 1899-12-30 is 1721120 + 693899 = 2415019.
inline constexpr std::uint32_t kJulianDayOfMarchOrigin = 1721120;

// The one month-length table: January to December, February of a common year.
inline constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The month term of the Julian Day formula, INT(30.6001 (M + 1)), in exact
// integers: 30.6001 k is never whole for the month numbers met. From March
// (3) to January (13) each month's step to the next is its length in the
// table above (date_serial.cpp checks this when it compiles).
constexpr std::int64_t MonthTerm(std::int64_t month) {
    return (month + 1) * 306001 / 10000;
}

// Days from the first of March to the first of months 1 to 16 in a year
// that starts in March: January and February (1, 2) count in the year
// before, like 13 and 14, and 15 and 16 run on into the next year as the
// month term does (367, 398). The month term, tabulated (one load); the
// same values as the paper's month term (979 M - 2919) / 32.
inline constexpr std::array<std::uint16_t, 16> kDaysFromMarch = [] {
    std::array<std::uint16_t, 16> days{};
    for (int month = 1; month <= 16; ++month) {
        const int marchBased = month <= 2 ? month + 12 : month;
        days[month - 1] = static_cast<std::uint16_t>(MonthTerm(marchBased) - MonthTerm(3));
    }
    return days;
}();

[[noreturn]] void ThrowDateEncodeError();
// The Julian Day formula itself, in exact integers, for any fields.
std::int32_t ClassicalJulianDayNumber(int year, int month, int day);

// Days from 0000-03-01 to the first of `month` in `year`: year 1..16384 and
// month 1..16 give 306..5984531; 1899-12-01 gives 693870. The paper's
// to_rata_die year term, which is the Julian Day formula's year terms
// regrouped: for Y >= 0, INT(365.25 (Y + 4716)) + B equals
// 1461 Y / 4 - A + A / 4 + 1722521.
inline std::uint32_t DaysBeforeMonth(std::uint32_t year, std::uint32_t month) {
    const std::uint32_t y = year - (month <= 2 ? 1 : 0);  // 0..16384, years since 0000-03-01
    const std::uint32_t century = y / 100;                // 0..163
    return 1461 * y / 4 - century + century / 4 + kDaysFromMarch[month - 1];
}
}  // namespace date_detail

inline int MonthLength(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return date_detail::kMonthLengths[month - 1] +
           (month == 2 && IsGregorianLeapYear(year) ? 1 : 0);
}

inline DateSerial EncodeDateSerial(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    // Every month has 28 days, so most days need no month-length lookup.
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        (day > 28 && day > MonthLength(year, month))) {
        date_detail::ThrowDateEncodeError();
    }
    // The first of the month plus the day counts 0000-03-01 as 1, one more
    // than the decoder's count (0001-01-01 .. 9999-12-31: 306 .. 3652364).
    return static_cast<DateSerial>(
        static_cast<std::int64_t>(date_detail::DaysBeforeMonth(year, month) + day) -
        (date_detail::kMarchDaysBeforeOrigin + 1));
}

// The paper's to_date, step by step. The ranges are those of 0001-01-01 ..
// 9999-12-31; every step is an affine function evaluated as the paper shows.
inline DateFields DecodeDateSerial(DateSerial serial) {
    // The comparison is false for NaN, so non-finite values fall out here too.
    if (!(serial >= date_detail::kFirstEncodable && serial < date_detail::kLastEncodable + 1))
        return {};
    // Days from 0000-03-01: 306 .. 3652364. Non-negative, so unsigned from here on.
    const auto days = static_cast<std::uint32_t>(static_cast<std::int64_t>(serial) +
                                                 date_detail::kMarchDaysBeforeOrigin);
    // A century lasts 146097 / 4 days on average, so counting in quarter days
    // (at the day's last quarter) splits centuries off with one division.
    const std::uint32_t quarterDays = 4 * days + 3;               // 1227 .. 14609459
    const std::uint32_t century = quarterDays / 146097;           // 0 .. 99
    const std::uint32_t dayOfCentury = quarterDays % 146097 / 4;  // 0 .. 36524
    // A year of the century lasts 1461 / 4 days: the same split again.
    const std::uint32_t quarterDaysOfCentury = 4 * dayOfCentury + 3;  // 3 .. 146099
    // Its quotient and remainder by 1461 from one product: 2939745 is 2^32 / 1461
    // rounded up, so the product holds years in its upper 32 bits and the
    // fraction of the year in its lower 32, exactly over this range.
    const std::uint64_t yearsFixedPoint = std::uint64_t{2939745} * quarterDaysOfCentury;
    const auto yearOfCentury = static_cast<std::uint32_t>(yearsFixedPoint >> 32);  // 0 .. 99
    const auto dayOfYear =  // 0 (March 1) .. 365 (February 29)
        static_cast<std::uint32_t>(yearsFixedPoint & 0xFFFFFFFFu) / 2939745 / 4;
    // Month and day of a year that starts in March: (5 N + 461) / 153 and
    // (5 N + 461) % 153 / 5 for N = dayOfYear (months of 30.6 days on
    // average), in 16.16 fixed point with the paper's constants, which agree
    // with those for N = 0 .. 365.
    const std::uint32_t monthFixedPoint = 2141 * dayOfYear + 197913;   // 197913 .. 979378
    const std::uint32_t month = monthFixedPoint >> 16;                 // 3 = March .. 14 = February
    const std::uint32_t day = (monthFixedPoint & 0xFFFFu) / 2141 + 1;  // 1 .. 31
    // January and February end the computational year and begin the calendar's next.
    const std::uint32_t afterDecember = dayOfYear >= 306 ? 1 : 0;
    return {static_cast<std::uint16_t>(100 * century + yearOfCentury + afterDecember),
            static_cast<std::uint16_t>(afterDecember ? month - 12 : month),
            static_cast<std::uint16_t>(day)};
}

inline std::int32_t ChronologicalJulianDayNumber(int year, int month, int day) {
    const auto y1 = static_cast<std::uint32_t>(year);
    const auto m1 = static_cast<std::uint32_t>(month);
    // The day count from 0000-03-01 follows the formula exactly for months 1
    // to 16 (13 to 16 run on into the next year as the formula does) and for
    // years 1 to 16384 (and well beyond, until its 32-bit sums overflow).
    // Other fields take the formula itself.
    if (y1 - 1 >= 16384u || m1 - 1 >= 16u) [[unlikely]] {
        return date_detail::ClassicalJulianDayNumber(year, month, day);
    }
    // Moved to the Julian Day Number's origin; the day is added as given, as
    // the formula does, wrapping as it does rather than overflowing.
    return static_cast<std::int32_t>(date_detail::DaysBeforeMonth(y1, m1) +
                                     static_cast<std::uint32_t>(day) +
                                     (date_detail::kJulianDayOfMarchOrigin - 1));
}

}  // namespace tessarine
