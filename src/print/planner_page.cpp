#include "print/planner_page.h"

#include "print/page_frame.h"
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

void DrawPlannerBox(TPrintObject& engine, double left, double top, double right, double bottom,
                    const std::string& text) {
    engine.DrawBox(kBoxPen, Inches(left), Inches(top), Inches(right), Inches(bottom));
    engine.SetFont(kPrintFontName, 14, kFontPlain);
    engine.WriteText(text, Inches(left + kTextInset), Inches(top + kTextInset));
}

}  // namespace tessarine
