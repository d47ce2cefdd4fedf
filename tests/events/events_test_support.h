// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "events/day_event.h"
#include "events/event_calendar.h"
#include "events/event_calendar_set.h"

namespace tessarine {

// Sets the C library's local zone (TZ) for one test. A zone missing from the
// system's database would quietly turn into UTC, so it fails the test.
class LocalZone {
  public:
    explicit LocalZone(const std::string& zone) {
        if (const char* old = std::getenv("TZ")) previous_ = old;
        if (!std::filesystem::exists("/usr/share/zoneinfo/" + zone)) {
            ADD_FAILURE() << "The system's zone database lacks " << zone << " (package tzdata)";
        }
        ::setenv("TZ", zone.c_str(), 1);
        ::tzset();
    }
    ~LocalZone() {
        if (previous_) {
            ::setenv("TZ", previous_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }
    LocalZone(const LocalZone&) = delete;
    LocalZone& operator=(const LocalZone&) = delete;

  private:
    std::optional<std::string> previous_;
};

// "20240310" as a day.
inline DateSerial Day(const std::string& yyyymmdd) {
    return EncodeDateSerial(static_cast<std::uint16_t>(std::stoi(yyyymmdd.substr(0, 4))),
                            static_cast<std::uint16_t>(std::stoi(yyyymmdd.substr(4, 2))),
                            static_cast<std::uint16_t>(std::stoi(yyyymmdd.substr(6, 2))));
}

// Every event of the span as "YYYYMMDD HHMM summary", with "all-day" or
// "cont." (a timed event that began the day before) in place of the time.
inline std::vector<std::string> EventLines(const EventDays& days) {
    std::vector<std::string> lines;
    for (int i = 0; i < days.DayCount(); ++i) {
        const DateSerial day = days.First() + i;
        for (const DayEvent& event : days.On(day)) {
            char time[8];
            std::snprintf(time, sizeof time, "%02d%02d", event.hour, event.minute);
            lines.push_back(FormatDateSerial("yyyymmdd", day) + " " +
                            (event.allDay      ? "all-day"
                             : event.continued ? "cont."
                                               : time) +
                            " " + event.summary);
        }
    }
    return lines;
}

// The events of a calendar from first to last (both "YYYYMMDD").
inline std::vector<std::string> EventLines(const EventCalendar& calendar, const std::string& first,
                                           const std::string& last) {
    EventCalendarSet set;
    set.Add(calendar);
    return EventLines(set.EventsOfDays(Day(first), Day(last)));
}

// A calendar of the given VEVENTs (and VTIMEZONEs), lines joined by LF.
inline EventCalendar CalendarOf(const std::string& components) {
    return EventCalendar::Read("BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Tessarine//Tests//EN\n" +
                                   components + "END:VCALENDAR\n",
                               "test.ics");
}

}  // namespace tessarine
