// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/date_serial.h"
#include "events/day_event.h"
#include "print/print_job.h"
#include "print/print_object.h"

namespace tessarine {

// The events of the days a page shows; empty when the job prints no
// calendar.
EventDays PageEvents(const PrintEnvironment& environment, DateSerial first, DateSerial last);

// Where a day's lines go: inches from the sheet's top-left corner, and the
// size of their type.
struct EventLineArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    std::uint16_t points = 0;
};

// Writes the day's lines into the area, as many as fit; draws nothing for a
// day without events.
void WriteEventLines(TPrintObject& engine, const PrintEnvironment& environment,
                     const std::vector<DayEvent>& events, const EventLineArea& area);

}  // namespace tessarine
