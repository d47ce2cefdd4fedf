// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "events/calendar_read_error.h"
#include "events/day_event.h"

namespace tessarine {

// One calendar (an iCalendar file or a fetched body), read once and then
// asked for the events of spans of days as often as needed. Copies share
// what was read; a calendar may be read on one thread and used on another.
class EventCalendar {
  public:
    // Reads VEVENTs, as published files write them: dates without
    // VALUE=DATE, empty rules, folded lines, CRLF or LF, a byte-order mark,
    // zones named without a VTIMEZONE (taken from the system's database).
    // Throws CalendarReadError naming `sourceName` for what is no
    // iCalendar or cannot be read as such.
    static EventCalendar Read(std::string_view bytes, const std::string& sourceName);

    const std::string& SourceName() const;
    // The VEVENTs the file holds, and those among them without a start
    // that can be read, which are left out.
    std::size_t EventCount() const;
    std::size_t UnreadableEvents() const;

    // Adds the occurrences on the days `days` spans, in the local time zone
    // of the C library (TZ). Cancelled events and days outside the years
    // 1582 to 3000 stay empty.
    void AddTo(EventDays& days) const;

  private:
    struct Data;
    class Reader;
    explicit EventCalendar(std::shared_ptr<const Data> data);

    std::shared_ptr<const Data> data_;
};

}  // namespace tessarine
