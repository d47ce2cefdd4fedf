// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/planner_page.h"

#include "print/day_event_lines.h"
#include "print/page_texts.h"

namespace tessarine {

namespace {

std::string PlannerDate(DateSerial date, const LocaleNames& names,
                        const TextTranslator& translate) {
    // The first of a month has a pattern of its own, for languages that
    // write it as an ordinal ("1er mars 2025"); in English it reads as the
    // general one does.
    //: The date pattern of planner titles: mmmm month name, d day, yyyy year;
    //: text in quotes is printed as it stands ("d 'de' mmmm").
    const char* general = TESSARINE_TRANSLATE_NOOP("PrintedPage", "mmmm d, yyyy");
    //: The date pattern of planner titles for the first day of a month, where
    //: 1 is the day itself: mmmm month name, yyyy year; text in quotes is
    //: printed as it stands.
    const char* first = TESSARINE_TRANSLATE_NOOP("PrintedPage", "mmmm 1, yyyy");
    const char* source = DayOfMonth(date) == 1 ? first : general;
    return FormatDateSerial(Translate(translate, kPrintedPageContext, source), date, names);
}

}  // namespace

std::string DateSpanTitle(DateSerial first, DateSerial last, const LocaleNames& names,
                          const TextTranslator& translate) {
    const std::string span = Translate(translate, kPrintedPageContext,
                                       TESSARINE_TRANSLATE_NOOP("PrintedPage", "%1 to %2"));
    return FillPlaceholders(
        span, {PlannerDate(first, names, translate), PlannerDate(last, names, translate)});
}

PlannerGrid DrawPlannerHeading(TPrintObject& engine, const PageFrame& frame,
                               const PrintEnvironment& environment, int rows, DateSerial first,
                               DateSerial last, const char* footerLabel) {
    const PlannerGrid grid{Inches(static_cast<double>(frame.W) / 2),
                           Inches(static_cast<double>(frame.H) / rows)};
    DrawHeadingBand(engine, frame,
                    {Inches(frame.L + 2.0 * grid.columnWidth), Inches(frame.T + grid.rowHeight),
                     DateSpanTitle(first, last, environment.localeNames, environment.translate), 14,
                     PageText(environment, footerLabel)});
    return grid;
}

void DrawPlannerBox(TPrintObject& engine, double left, double top, double right, double bottom,
                    const std::string& text) {
    engine.DrawBox(kBoxPen, Inches(left), Inches(top), Inches(right), Inches(bottom));
    engine.SetFont(kPrintFontName, 14, kFontPlain);
    engine.WriteText(text, Inches(left + kTextInset), Inches(top + kTextInset));
}

void WritePlannerBoxEvents(TPrintObject& engine, const PrintEnvironment& environment,
                           const std::vector<DayEvent>& events, double left, double top,
                           double right, double bottom) {
    if (events.empty()) {
        return;
    }
    engine.SetFont(kPrintFontName, 14, kFontPlain);
    const double captionHeight = engine.LineHeight();
    // Body type, a size below the caption's so the day still leads the box.
    WriteEventLines(engine, environment, events,
                    {left, top + kTextInset + captionHeight, right, bottom - kTextInset, 10});
}

}  // namespace tessarine
