#pragma once

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
// token first); every other character is copied unchanged.
std::string FormatDateSerial(std::string_view pattern, DateSerial serial,
                             const LocaleNames& names = EnglishLocaleNames());

}  // namespace tessarine
