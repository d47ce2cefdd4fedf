// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "calendar/date_serial.h"
#include "events/day_event.h"
#include "events/event_calendar.h"

namespace tessarine {

// The calendars a user shows, asked together for spans of days.
class EventCalendarSet {
  public:
    void Add(EventCalendar calendar);
    const std::vector<EventCalendar>& Calendars() const { return calendars_; }

    // The events of every local day from first to last, each day in the
    // order ShownBefore gives.
    EventDays EventsOfDays(DateSerial first, DateSerial last) const;

  private:
    std::vector<EventCalendar> calendars_;
};

}  // namespace tessarine
