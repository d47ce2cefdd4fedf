#include "print/planner_page.h"

#include "print/day_event_lines.h"
#include "print/page_texts.h"

namespace tessarine {

std::string DateSpanTitle(DateSerial first, DateSerial last, const LocaleNames& names,
                          const TextTranslator& translate) {
    //: The date pattern of planner titles: mmmm month name, d day, yyyy year.
    const std::string pattern = Translate(translate, kPrintedPageContext,
                                          TESSARINE_TRANSLATE_NOOP("PrintedPage", "mmmm d, yyyy"));
    const std::string span = Translate(translate, kPrintedPageContext,
                                       TESSARINE_TRANSLATE_NOOP("PrintedPage", "%1 to %2"));
    return FillPlaceholders(
        span, {FormatDateSerial(pattern, first, names), FormatDateSerial(pattern, last, names)});
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
