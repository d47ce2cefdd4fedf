// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "calendar/date_serial.h"
#include "events/day_event.h"

namespace tessarine {

// a / b rounded down, as days and blocks of days before 1970 need.
inline std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

// Seconds since 1970-01-01 00:00 UTC.
using UtcSeconds = std::int64_t;

// Seconds since 1970-01-01 00:00 of a clock reading, in no time zone: the
// proleptic Gregorian calendar throughout. Days and months out of their
// range run on into the next (day 0 is the last of the month before).
std::int64_t CivilSeconds(int year, int month, int day, int hour, int minute, int second);

// The reverse, for a clock reading held as civil seconds.
struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};
CivilTime CivilTimeOf(std::int64_t civilSeconds);

// The system's local clock (the TZ environment variable, or the system's
// zone) through the C library.
WallSeconds LocalWallClock(UtcSeconds instant);
// The first instant of a local day.
UtcSeconds LocalDayStart(DateSerial day);

// The span of days a query asks about, as local clock readings and as
// instants, so that each event is compared in the frame it is written in.
struct QueryWindow {
    WallSeconds wallFrom = 0;
    WallSeconds wallTo = 0;  // exclusive
    UtcSeconds utcFrom = 0;
    UtcSeconds utcTo = 0;  // exclusive
};
// The window of the days `days` holds, within the supported years;
// nothing when none of them is.
std::optional<QueryWindow> WindowOf(const EventDays& days);

// Places an event given as instants on the local days it overlaps.
void PlaceInstants(UtcSeconds start, UtcSeconds end, const std::string& summary, EventDays& days);

}  // namespace tessarine
