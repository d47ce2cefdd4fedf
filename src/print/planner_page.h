// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "calendar/text_catalog.h"
#include "events/day_event.h"
#include "print/page_frame.h"
#include "print/print_object.h"

namespace tessarine {

// What the Biweekly, Weekly and Two Day Planners share besides the page
// frame: the title naming the span of days, and the framed writing box with
// its text in the top-left corner.

// "March 3, 2025 to March 16, 2025" in the locale's month names; a
// translator may change the words, the order and the date pattern.
std::string DateSpanTitle(DateSerial first, DateSerial last, const LocaleNames& names,
                          const TextTranslator& translate = {});

// The two columns of a planner page and its rows, the content's height
// shared among `rows` of them: inches, as the layouts measure.
struct PlannerGrid {
    float columnWidth = 0.0f;
    float rowHeight = 0.0f;
};

// Draws the heading band over the first row, titled with the span from
// `first` to `last`, with `footerLabel` (an English text marked for
// translation) under the page; returns the page's grid.
PlannerGrid DrawPlannerHeading(TPrintObject& engine, const PageFrame& frame,
                               const PrintEnvironment& environment, int rows, DateSerial first,
                               DateSerial last, const char* footerLabel);

// Inches from the sheet's top-left corner.
void DrawPlannerBox(TPrintObject& engine, double left, double top, double right, double bottom,
                    const std::string& text);

// The day's events, one line each, under the caption of a box that
// DrawPlannerBox drew with the same edges.
void WritePlannerBoxEvents(TPrintObject& engine, const PrintEnvironment& environment,
                           const std::vector<DayEvent>& events, double left, double top,
                           double right, double bottom);

}  // namespace tessarine
