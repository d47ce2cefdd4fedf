// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the events area: the only headers that name libical's types
// are the ical_*.h ones, included by the area's own sources alone.

#include <libical/ical.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "events/local_clock.h"

namespace tessarine {

// The time zones one calendar names: those its VTIMEZONEs define, which it
// owns, and otherwise the system's zone database by name (libical reads
// /usr/share/zoneinfo for those and keeps them for the process).
class ZoneTable {
  public:
    ZoneTable() = default;
    ZoneTable(ZoneTable&&) noexcept = default;
    ZoneTable& operator=(ZoneTable&&) noexcept = default;

    void AddDefinition(icalcomponent* vtimezone);
    // Nothing for a name neither the file nor the system knows.
    icaltimezone* Find(const std::string& tzid);

  private:
    struct ZoneDeleter {
        void operator()(icaltimezone* zone) const { icaltimezone_free(zone, 1); }
    };
    std::vector<std::unique_ptr<icaltimezone, ZoneDeleter>> owned_;
    std::map<std::string, icaltimezone*> byName_;
};

// The property's time with its zone filled in: UTC for a trailing Z, the
// TZID's zone when the table knows it, none for dates and floating times
// (and for zones nobody knows, which are best read as the local clock).
icaltimetype WithZone(icaltimetype time, icalproperty* property, ZoneTable& zones);

bool IsInstant(const icaltimetype& time);  // a date-time in a known zone
// The clock reading as civil seconds, whatever its zone.
std::int64_t ReadingSeconds(const icaltimetype& time);
// The instant of a time in a known zone.
UtcSeconds InstantOf(const icaltimetype& time);
// The reading of `time` on the clock of `zone` (none: the reading as it is).
icaltimetype ReadOnClockOf(icaltimetype time, const icaltimezone* zone);
// A clock reading held as civil seconds, as a libical time of the given
// kind (date or date-time) in `zone`.
icaltimetype TimeOfReading(std::int64_t civilSeconds, bool isDate, const icaltimezone* zone);

}  // namespace tessarine
