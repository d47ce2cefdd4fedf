// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/date_serial.h"

#include <ctime>

namespace tessarine {

namespace {

// Truncates toward zero. Values no date can have (beyond a billion years, or
// NaN) give 0 rather than an undefined conversion.
std::int64_t WholeDays(DateSerial serial) {
    if (!(serial > -1e15 && serial < 1e15)) return 0;
    return static_cast<std::int64_t>(serial);
}

void AppendZeroPadded(std::string& out, int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
}

}  // namespace

// The month term and the month-length table tell the same lengths.
static_assert([] {
    for (int month = 3; month <= 13; ++month) {
        const int length = date_detail::kMonthLengths[static_cast<std::size_t>((month - 1) % 12)];
        if (date_detail::MonthTerm(month + 1) - date_detail::MonthTerm(month) != length) {
            return false;
        }
    }
    return true;
}());

void date_detail::ThrowDateEncodeError() {
    throw DateEncodeError();
}

std::int32_t date_detail::ClassicalJulianDayNumber(int year, int month, int day) {
    if (month < 3) {
        year -= 1;
        month += 12;
    }
    // The Julian Day formula (see date_serial.h) plus one half, in exact
    // integers; INT truncates toward zero, as the divisions here do.
    const std::int64_t y = year;
    const std::int64_t a = y / 100;
    const std::int64_t b = 2 - a + a / 4;
    const std::int64_t yearDays = (y + 4716) * 1461 / 4;
    return static_cast<std::int32_t>(yearDays + MonthTerm(month) + day + b - 1524);
}

DateSerial EncodeDateSerial(const DateFields& fields) {
    return EncodeDateSerial(fields.year, fields.month, fields.day);
}

DateSerial TodayDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return EncodeDateSerial(static_cast<std::uint16_t>(local.tm_year + 1900),
                            static_cast<std::uint16_t>(local.tm_mon + 1),
                            static_cast<std::uint16_t>(local.tm_mday));
}

int YearOfDate(DateSerial serial) {
    return DecodeDateSerial(serial).year;
}

int DayOfMonth(DateSerial serial) {
    return DecodeDateSerial(serial).day;
}

DateSerial StartOfYear(DateSerial serial) {
    return EncodeDateSerial(static_cast<std::uint16_t>(YearOfDate(serial)), 1, 1);
}

int DayOfYear(DateSerial serial) {
    return static_cast<int>(WholeDays(serial - StartOfYear(serial))) + 1;
}

int WeekdaySundayFirst(DateSerial serial) {
    const std::int64_t t = WholeDays(serial) + date_detail::kDaysBeforeOrigin + 1;
    return static_cast<int>(((t % 7) + 7) % 7) + 1;
}

int WeekdayMondayFirst(DateSerial serial) {
    const std::int64_t t = WholeDays(serial) + date_detail::kDaysBeforeOrigin + 1;
    return static_cast<int>((((t - 1) % 7) + 7) % 7) + 1;
}

std::int64_t DayDifference(DateSerial a, DateSerial b) {
    return WholeDays(a) - WholeDays(b);
}

std::string FormatDateSerial(std::string_view pattern, DateSerial serial,
                             const LocaleNames& names) {
    const DateFields f = DecodeDateSerial(serial);
    const int monthIndex = f.month >= 1 && f.month <= 12 ? f.month - 1 : -1;
    std::string out;
    out.reserve(pattern.size() + 8);
    std::size_t i = 0;
    auto startsWith = [&](std::string_view token) {
        return pattern.substr(i, token.size()) == token;
    };
    while (i < pattern.size()) {
        if (pattern[i] == '\'' || pattern[i] == '"') {
            // Literal text up to the same quote, or to the end when it has
            // none; the quotes themselves are not printed.
            const std::size_t close = pattern.find(pattern[i], i + 1);
            const std::size_t end = close == std::string_view::npos ? pattern.size() : close;
            out += pattern.substr(i + 1, end - i - 1);
            i = end == pattern.size() ? end : end + 1;
        } else if (startsWith("yyyy")) {
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
