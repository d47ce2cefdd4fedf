#pragma once

#include <string>

#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "calendar/text_catalog.h"
#include "print/print_object.h"

namespace tessarine {

// What the Biweekly, Weekly and Two Day Planners share besides the page
// frame: the title naming the span of days, and the framed writing box with
// its text in the top-left corner.

// "March 3, 2025 to March 16, 2025" in the locale's month names; a
// translator may change the words, the order and the date pattern.
std::string DateSpanTitle(DateSerial first, DateSerial last, const LocaleNames& names,
                          const TextTranslator& translate = {});

// Inches from the sheet's top-left corner.
void DrawPlannerBox(TPrintObject& engine, double left, double top, double right, double bottom,
                    const std::string& text);

}  // namespace tessarine
