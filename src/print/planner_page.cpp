#include "print/planner_page.h"

#include "print/page_frame.h"

namespace tessarine {

std::string DateSpanTitle(DateSerial first, DateSerial last, const LocaleNames& names) {
    constexpr const char* kPattern = "mmmm d, yyyy";
    return FormatDateSerial(kPattern, first, names) + " to " +
           FormatDateSerial(kPattern, last, names);
}

void DrawPlannerBox(TPrintObject& engine, double left, double top, double right, double bottom,
                    const std::string& text) {
    engine.DrawBox(kBoxPen, Inches(left), Inches(top), Inches(right), Inches(bottom));
    engine.SetFont(kPrintFontName, 14, kFontPlain);
    engine.WriteText(text, Inches(left + kTextInset), Inches(top + kTextInset));
}

}  // namespace tessarine
