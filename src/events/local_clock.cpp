// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/local_clock.h"

#include <algorithm>
#include <ctime>

namespace tessarine {

namespace {

// Days from 1970-01-01, counting from 0000-03-01 so that the leap day ends
// its year.
std::int64_t DaysFromCivil(std::int64_t year, std::int64_t month, std::int64_t day) {
    year += FloorDivide(month - 1, 12);
    month = month - 1 - FloorDivide(month - 1, 12) * 12 + 1;
    if (month <= 2) year -= 1;
    const std::int64_t era = FloorDivide(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

}  // namespace

std::int64_t CivilSeconds(int year, int month, int day, int hour, int minute, int second) {
    return DaysFromCivil(year, month, day) * kSecondsPerDay + std::int64_t{hour} * 3600 +
           std::int64_t{minute} * 60 + second;
}

CivilTime CivilTimeOf(std::int64_t civilSeconds) {
    const std::int64_t days = FloorDivide(civilSeconds, kSecondsPerDay);
    const std::int64_t secondOfDay = civilSeconds - days * kSecondsPerDay;
    const std::int64_t shifted = days + 719468;  // from 0000-03-01
    const std::int64_t era = FloorDivide(shifted, 146097);
    const std::int64_t dayOfEra = shifted - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;  // 0 = March
    const std::int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year),
            static_cast<int>(month),
            static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1),
            static_cast<int>(secondOfDay / 3600),
            static_cast<int>(secondOfDay % 3600 / 60),
            static_cast<int>(secondOfDay % 60)};
}

WallSeconds LocalWallClock(UtcSeconds instant) {
    const auto t = static_cast<std::time_t>(instant);
    std::tm local{};
    if (localtime_r(&t, &local) == nullptr) return instant;
    return CivilSeconds(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                        local.tm_min, local.tm_sec);
}

UtcSeconds LocalDayStart(DateSerial day) {
    const CivilTime date = CivilTimeOf(WallSecondsOfDay(day));
    std::tm local{};
    local.tm_year = date.year - 1900;
    local.tm_mon = date.month - 1;
    local.tm_mday = date.day;
    local.tm_isdst = -1;
    const std::time_t start = std::mktime(&local);
    // mktime answers -1 for what it cannot place; the day read as UTC is
    // then within a day of the truth, which the callers' margins absorb.
    if (start == static_cast<std::time_t>(-1)) return WallSecondsOfDay(day);
    return static_cast<UtcSeconds>(start);
}

std::optional<QueryWindow> WindowOf(const EventDays& days) {
    const DateSerial first = std::max(days.First(), kMinSupportedDate);
    const DateSerial last = std::min(days.First() + days.DayCount() - 1, kMaxSupportedDate);
    if (last < first) return std::nullopt;
    return QueryWindow{WallSecondsOfDay(first), WallSecondsOfDay(last + 1), LocalDayStart(first),
                       LocalDayStart(last + 1)};
}

void PlaceInstants(UtcSeconds start, UtcSeconds end, const std::string& summary, EventDays& days) {
    const WallSeconds wallStart = LocalWallClock(start);
    // When the clock goes back, a short event can end at an earlier reading
    // than it began.
    const WallSeconds wallEnd = end > start ? std::max(wallStart, LocalWallClock(end)) : wallStart;
    days.Place(wallStart, wallEnd, false, summary);
}

}  // namespace tessarine
