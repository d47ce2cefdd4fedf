#include "calendar/date_serial.h"

#include <array>
#include <chrono>
#include <cmath>
#include <ctime>

namespace tessarine {

namespace {

// Days from 0001-01-01 (day 0) to 1899-12-30, the origin of DateSerial.
constexpr std::int64_t kDaysBeforeOrigin = 693593;
constexpr DateSerial kFirstEncodable = -693593;  // 0001-01-01
constexpr DateSerial kLastEncodable = 2958465;   // 9999-12-31

constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
// Days before the 1st of each month in a common year.
constexpr std::array<int, 12> kDaysBeforeMonth{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

std::int64_t WholeDays(DateSerial serial) { return static_cast<std::int64_t>(std::trunc(serial)); }

void AppendZeroPadded(std::string& out, int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
}

}  // namespace

bool IsGregorianLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int MonthLength(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return kMonthLengths[month - 1] + (month == 2 && IsGregorianLeapYear(year) ? 1 : 0);
}

DateSerial EncodeDateSerial(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > MonthLength(year, month)) {
        throw DateEncodeError();
    }
    const std::int64_t dayOfYear =
        kDaysBeforeMonth[month - 1] + day + (month > 2 && IsGregorianLeapYear(year) ? 1 : 0);
    const std::int64_t p = year - 1;
    return static_cast<DateSerial>(p * 365 + p / 4 - p / 100 + p / 400 + dayOfYear - 693594);
}

DateSerial EncodeDateSerial(const DateFields& fields) {
    return EncodeDateSerial(fields.year, fields.month, fields.day);
}

DateFields DecodeDateSerial(DateSerial serial) {
    if (!std::isfinite(serial) || serial < kFirstEncodable || serial >= kLastEncodable + 1) {
        return {};
    }
    // Civil-from-days on an era of 400 years that starts on March 1, so that
    // the leap day is the last day of its year: no month loop, no branches on
    // leap years.
    const std::int64_t z = WholeDays(serial) + kDaysBeforeOrigin + 306;  // days since 0000-03-01
    const std::int64_t era = z / 146097;
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
    const std::int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
    const std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
            static_cast<std::uint16_t>(day)};
}

DateSerial TodayDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return EncodeDateSerial(static_cast<std::uint16_t>(local.tm_year + 1900),
                            static_cast<std::uint16_t>(local.tm_mon + 1),
                            static_cast<std::uint16_t>(local.tm_mday));
}

int YearOfDate(DateSerial serial) { return DecodeDateSerial(serial).year; }

int DayOfMonth(DateSerial serial) { return DecodeDateSerial(serial).day; }

DateSerial StartOfYear(DateSerial serial) {
    return EncodeDateSerial(static_cast<std::uint16_t>(YearOfDate(serial)), 1, 1);
}

int DayOfYear(DateSerial serial) {
    return static_cast<int>(WholeDays(serial - StartOfYear(serial))) + 1;
}

int WeekdaySundayFirst(DateSerial serial) {
    const std::int64_t t = WholeDays(serial) + kDaysBeforeOrigin + 1;
    return static_cast<int>(((t % 7) + 7) % 7) + 1;
}

int WeekdayMondayFirst(DateSerial serial) {
    const std::int64_t t = WholeDays(serial) + kDaysBeforeOrigin + 1;
    return static_cast<int>((((t - 1) % 7) + 7) % 7) + 1;
}

std::int32_t ChronologicalJulianDayNumber(int year, int month, int day) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    // The constants and the extended-precision products reproduce the
    // classical formula exactly; 30.6001 (not 30.6) keeps month starts whole.
    const long double y = year;
    const long double a = std::trunc(y / 100.0L);
    const long double b = 2.0L - a + std::trunc(a / 4.0L);
    const auto yearDays = static_cast<std::int64_t>(std::trunc((y + 4716.0L) * 365.25L));
    const auto monthDays = static_cast<std::int64_t>(std::trunc((month + 1) * 30.6001L));
    const std::int64_t sum = yearDays + static_cast<std::int64_t>(b) + day + monthDays;
    return static_cast<std::int32_t>(std::trunc(static_cast<long double>(sum) - 1524.5L)) + 1;
}

std::int64_t DayDifference(DateSerial a, DateSerial b) { return WholeDays(a) - WholeDays(b); }

std::string FormatDateSerial(std::string_view pattern, DateSerial serial,
                             const LocaleNames& names) {
    const DateFields f = DecodeDateSerial(serial);
    const int monthIndex = f.month >= 1 && f.month <= 12 ? f.month - 1 : -1;
    std::string out;
    out.reserve(pattern.size() + 8);
    std::size_t i = 0;
    auto startsWith = [&](std::string_view token) { return pattern.substr(i, token.size()) == token; };
    while (i < pattern.size()) {
        if (startsWith("yyyy")) {
            AppendZeroPadded(out, f.year, 4);
            i += 4;
        } else if (startsWith("mmmm")) {
            if (monthIndex >= 0) out += names.longMonthNames[monthIndex];
            i += 4;
        } else if (startsWith("mmm")) {
            if (monthIndex >= 0) out += names.shortMonthNames[monthIndex];
            i += 3;
        } else if (startsWith("mm")) {
            AppendZeroPadded(out, f.month, 2);
            i += 2;
        } else if (startsWith("dd")) {
            AppendZeroPadded(out, f.day, 2);
            i += 2;
        } else if (startsWith("d")) {
            out += std::to_string(f.day);
            i += 1;
        } else {
            out += pattern[i];
            i += 1;
        }
    }
    return out;
}

}  // namespace tessarine
