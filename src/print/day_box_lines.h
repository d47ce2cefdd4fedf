#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calendar/text_catalog.h"
#include "events/day_event.h"

namespace tessarine {

// How a day box writes its events: what every layout and the grid share.
struct DayBoxText {
    // The width of a text in the box's font, in the units of the box width.
    std::function<double(const std::string& text)> width;
    // A start time as the locale writes it ("14:30", "2:30 PM").
    std::function<std::string(int hour, int minute)> formatTime;
    // Turns "+%1 more" into the user's language; empty keeps the English.
    TextTranslator translate;
};

// "14:05": the 24-hour clock, for when no locale's format is at hand.
std::string TwentyFourHourTime(int hour, int minute);

// A line for each event, in the order given: the start time, a blank and the
// summary, or the summary alone for an event without a time that day. A
// line wider than the box is cut and ends in "…". When the events need more
// than `lineCount` lines, the last one reads "+N more", N counting those
// left out. An empty formatTime writes the 24-hour clock.
std::vector<std::string> DayBoxLines(const std::vector<DayEvent>& events, double boxWidth,
                                     int lineCount, const DayBoxText& text);

}  // namespace tessarine
