// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calendar/text_catalog.h"
#include "events/day_event.h"

namespace tessarine {

// A start time as the reader's locale writes it ("14:30", "2:30 PM").
using EventTimeFormatter = std::function<std::string(int hour, int minute)>;
// The width of a text in the box's font, in the units of the box width.
using TextWidthMeasure = std::function<double(const std::string& text)>;

// "14:30": the time written when no locale gives its own.
std::string TwentyFourHourTime(int hour, int minute);

// One event as a day lists it: "<time> <summary>", or the summary alone for
// all-day and continued events; the 24-hour time without a formatter.
std::string DayEventLine(const DayEvent& event, const EventTimeFormatter& formatTime = {});

struct DayBox {
    double width = 0;
    int lineCount = 0;  // the lines that fit
};

// The lines of a day in a box, one per event in the order given: "<time>
// <summary>", or the summary alone for all-day and continued events; a line
// too wide ends in "…". When the events do not all fit, the last line is
// "+N more" (translated), N counting the events left out.
std::vector<std::string> DayBoxLines(const std::vector<DayEvent>& events, const DayBox& box,
                                     const TextWidthMeasure& measure,
                                     const EventTimeFormatter& formatTime = {},
                                     const TextTranslator& translate = {});

}  // namespace tessarine
