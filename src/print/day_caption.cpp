// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/day_caption.h"

#include "print/page_texts.h"

namespace tessarine {

std::string DayCaption(DateSerial date, const LocaleNames& names, const TextTranslator& translate) {
    const auto weekday = static_cast<std::size_t>(WeekdaySundayFirst(date) - 1);
    const int day = DayOfMonth(date);
    if (day == 1) {
        //: A planner's day box on the first of a month: %1 is the weekday name,
        //: then the day as the language writes the first of a month.
        const std::string pattern = Translate(translate, kPrintedPageContext,
                                              TESSARINE_TRANSLATE_NOOP("PrintedPage", "%1 1"));
        return FillPlaceholders(pattern, {names.longDayNames[weekday]});
    }
    return names.longDayNames[weekday] + " " + std::to_string(day);
}

}  // namespace tessarine
