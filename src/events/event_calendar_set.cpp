// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/event_calendar_set.h"

#include <utility>

namespace tessarine {

void EventCalendarSet::Add(EventCalendar calendar) {
    calendars_.push_back(std::move(calendar));
}

EventDays EventCalendarSet::EventsOfDays(DateSerial first, DateSerial last) const {
    EventDays days(first, last);
    for (const EventCalendar& calendar : calendars_) calendar.AddTo(days);
    days.Sort();
    return days;
}

}  // namespace tessarine
