// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/day_event_lines.h"

#include <cmath>

#include "print/day_box_lines.h"
#include "print/page_frame.h"

namespace tessarine {

EventDays PageEvents(const PrintEnvironment& environment, DateSerial first, DateSerial last) {
    return environment.eventsOfDays ? environment.eventsOfDays(first, last) : EventDays();
}

void WriteEventLines(TPrintObject& engine, const PrintEnvironment& environment,
                     const std::vector<DayEvent>& events, const EventLineArea& area) {
    if (events.empty()) {
        return;
    }
    engine.SetFont(kPrintFontName, area.points, kFontPlain);
    const double lineHeight = engine.LineHeight();
    const double left = area.left + kTextInset;
    // Measured in device pixels, as the engine places the text.
    const double width = engine.InchesToPixelsX(Inches(area.right - kTextInset)) -
                         engine.InchesToPixelsX(Inches(left));
    const double height = area.bottom - area.top;
    const int lineCount = lineHeight > 0 ? static_cast<int>(std::floor(height / lineHeight)) : 0;
    const std::vector<std::string> lines = DayBoxLines(
        events, {width, lineCount},
        [&engine](const std::string& text) { return engine.TextExtent(text).width; },
        environment.formatTime, environment.translate);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        engine.WriteText(lines[i], Inches(left), Inches(area.top + lineHeight * i));
    }
}

}  // namespace tessarine
