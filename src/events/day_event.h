// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/date_serial.h"

namespace tessarine {

// One event as a day shows it: what the grid's tooltip and a printed day
// box write for it.
struct DayEvent {
    std::string summary;
    bool allDay = false;
    // The event began on an earlier day; its start time belongs to that day,
    // so this one shows the summary alone.
    bool continued = false;
    // The local start, when the event is neither all-day nor continued.
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;

    bool ShowsTime() const { return !allDay && !continued; }
    bool operator==(const DayEvent&) const = default;
};

// The order within a day: those without a time first, then by start time,
// then by summary so that equal times keep one order from run to run.
bool ShownBefore(const DayEvent& a, const DayEvent& b);

// Local wall-clock seconds: seconds since 1970-01-01 00:00 as the local
// clock reads, so that every day is 86400 of them whatever the clock did.
using WallSeconds = std::int64_t;
inline constexpr WallSeconds kSecondsPerDay = 86400;
// DateSerial of 1970-01-01.
inline constexpr std::int64_t kUnixEpochSerial = 25569;

inline WallSeconds WallSecondsOfDay(DateSerial day) {
    return (static_cast<std::int64_t>(day) - kUnixEpochSerial) * kSecondsPerDay;
}

// The events of consecutive local days, first to last.
class EventDays {
  public:
    EventDays() = default;
    // An empty span when last is before first.
    EventDays(DateSerial first, DateSerial last);

    DateSerial First() const { return static_cast<DateSerial>(first_); }
    int DayCount() const { return static_cast<int>(days_.size()); }
    // Empty for a day outside the span.
    const std::vector<DayEvent>& On(DateSerial day) const;

    // An event belongs to every day it overlaps; one that ends exactly at
    // midnight leaves the next day alone, and one that lasts no time belongs
    // to its start day. Its start time is the wall clock's at wallStart.
    // Days outside the span are ignored.
    void Place(WallSeconds wallStart, WallSeconds wallEnd, bool allDay, const std::string& summary);
    // Puts every day in the order ShownBefore gives.
    void Sort();

  private:
    std::int64_t first_ = 0;
    std::vector<std::vector<DayEvent>> days_;
};

}  // namespace tessarine
