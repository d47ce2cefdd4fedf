// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "dialogs/calendar_sources.h"
#include "events/day_event.h"

namespace tessarine {

// What the window asks of the user's own calendars. The calendars module
// makes it (see calendar_module.h) the first time a user has calendars, so
// that the iCalendar and network libraries stay out of every start-up.
class CalendarService {
  public:
    // One list of lines per day of a month (index 0 the 1st).
    using MonthLines = std::vector<std::vector<std::string>>;
    // Kept unchanged once made, so that the grid can share them.
    using SharedMonthLines = std::shared_ptr<const MonthLines>;
    // The events of every day from first to last.
    using EventsOfDays = std::function<EventDays(DateSerial first, DateSerial last)>;

    // Called on the GUI thread, never from inside a call of the service.
    struct Listener {
        std::function<void()> loaded;                         // every shown source read or refused
        std::function<void(int year, int month)> monthReady;  // see monthLines
    };

    virtual ~CalendarService() = default;

    // Reads the shown sources anew; the listener's loaded() follows.
    virtual void load(const CalendarSources& sources) = 0;
    // The lines of a month when they are ready, otherwise null, and
    // monthReady() follows once they are.
    virtual SharedMonthLines monthLines(int year, int month) = 0;
    // A message per shown source that could not be read.
    virtual QStringList problems() const = 0;
    // For an address whose kept copy is shown because it failed: the notice
    // that says so; empty otherwise.
    virtual QString keptCopyNotice(const std::string& address) const = 0;
    // The shown calendars as they are now, for printing; empty without any.
    virtual EventsOfDays eventsOfDays() const = 0;
};

using CalendarServiceFactory =
    std::function<std::unique_ptr<CalendarService>(CalendarService::Listener listener)>;

}  // namespace tessarine
