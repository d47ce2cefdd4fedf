// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/month_view.h"

#include <string>

#include "print/day_event_lines.h"
#include "print/page_frame.h"
#include "print/page_texts.h"

namespace tessarine {

void PrintMonthView(const PrintJobState& job, const PrintEnvironment& environment, int wide) {
    PrintFramedPage(environment, wide, [&](TPrintObject& engine, const PageFrame& frame) {
        const double L = frame.L;
        const double T = frame.T;
        const float P = Inches(static_cast<double>(frame.W) / 7);
        const float Q = Inches(static_cast<double>(frame.H) / 7);
        const DateSerial pageDate = job.PrintPageDate;
        const LocaleNames& names = environment.localeNames;

        DrawHeadingBand(
            engine, frame,
            {Inches(L + 7.0 * P), Inches(T + Q), FormatDateSerial("mmmm yyyy", pageDate, names), 18,
             PageText(environment, FooterLabel(PageLayout::MonthView))});

        const DateFields month = DecodeDateSerial(pageDate);
        const DateSerial first = EncodeDateSerial(month.year, month.month, 1);
        const int offset = WeekdaySundayFirst(first) - 1;
        const int last = MonthLength(month.year, month.month) + offset - 1;
        const EventDays events = PageEvents(environment, first, first + (last - offset));

        // The printed week always starts on Sunday.
        for (int i = 0; i <= 6; ++i) {
            engine.SetFont(kPrintFontName, 14, kFontPlain);
            engine.WriteTextBottomCentred(names.shortDayNames[static_cast<std::size_t>(i)],
                                          Inches(L + i * P + P / 2.0), Inches(T + Q - kTextInset));
        }

        const std::string year = FormatDateSerial("yyyy", pageDate, names);
        for (int j = 0; j <= 6; ++j) {
            for (int k = 1; k <= 6; ++k) {
                const double left = L + j * P;
                const double top = T + k * Q;
                engine.DrawBox(kBoxPen, Inches(left), Inches(top), Inches(left + P),
                               Inches(top + Q));
                const int n = (k - 1) * 7 + j;
                if (n < offset || n > last) {
                    continue;
                }
                engine.SetFont(kPrintFontName, 14, kFontPlain);
                engine.WriteText(std::to_string(n - offset + 1), Inches(left + kTextInset),
                                 Inches(top + kTextInset));
                const std::vector<DayEvent>& dayEvents = events.On(first + (n - offset));
                if (!dayEvents.empty()) {
                    // Between the day's number and the label under it.
                    const double numberHeight = engine.LineHeight();
                    engine.SetFont(kPrintFontName, 10, kFontPlain);
                    const double labelHeight = environment.ShowNone ? 0.0 : engine.LineHeight();
                    WriteEventLines(engine, environment, dayEvents,
                                    {left, top + kTextInset + numberHeight, left + P,
                                     top + Q - kTextInset - labelHeight, 8});
                }
                engine.SetFont(kPrintFontName, 10, kFontPlain);
                if (environment.ShowNone) {
                    continue;
                }
                const DateSerial cellDate = pageDate + (n - offset);
                std::string label;
                if (environment.ShowJulianDayNumber) {
                    const DateFields cell = DecodeDateSerial(cellDate);
                    label = std::to_string(
                        ChronologicalJulianDayNumber(cell.year, cell.month, cell.day));
                } else {
                    label = year + " " + std::to_string(DayOfYear(cellDate));
                }
                engine.WriteTextBottomRight(label, Inches(left + P - kTextInset),
                                            Inches(top + Q - kTextInset));
            }
        }
    });
}

}  // namespace tessarine
