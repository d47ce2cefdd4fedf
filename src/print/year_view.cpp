// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/year_view.h"

#include <array>
#include <string>

#include "print/day_event_lines.h"
#include "print/page_frame.h"
#include "print/page_texts.h"

namespace tessarine {

namespace {

// One month block: CW wide and two rows tall. Column 0 stays empty, columns
// 1 to 7 are Sunday to Saturday; line 1 holds the letters, lines 2 to 7 the
// weeks.
struct MonthBlock {
    double left = 0;
    double top = 0;
    double cellWidth = 0;
    double lineHeight = 0;

    float X(int column) const { return Inches(left + column * cellWidth + kTextInset); }
    float Y(int line) const { return Inches(top + line * lineHeight + kTextInset); }
};

void DrawMonth(TPrintObject& engine, const MonthBlock& block,
               const std::array<std::string, 7>& weekdayLetters, int year, int month,
               const EventDays& events) {
    engine.SetFont(kPrintFontName, 9, kFontPlain);
    for (int k = 1; k <= 7; ++k) {
        engine.WriteText(weekdayLetters[static_cast<std::size_t>(k - 1)], block.X(k), block.Y(1));
    }
    const DateSerial first =
        EncodeDateSerial(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month), 1);
    // Counted from Monday while the columns count from Sunday: a month that
    // begins on a Sunday starts on line 3.
    const int mondayOffset = WeekdayMondayFirst(first) - 1;
    const int length = MonthLength(year, month);
    for (int day = 1; day <= length; ++day) {
        const int p = mondayOffset + day;
        // A day with events stands out in bold.
        const bool marked = !events.On(first + (day - 1)).empty();
        if (marked) {
            engine.SetFont(kPrintFontName, 9, kFontBold);
        }
        engine.WriteText(std::to_string(day), block.X(p % 7 + 1), block.Y(p / 7 + 2));
        if (marked) {
            engine.SetFont(kPrintFontName, 9, kFontPlain);
        }
    }
}

}  // namespace

void PrintYearView(const PrintJobState& job, const PrintEnvironment& environment, int wide) {
    PrintFramedPage(environment, wide, [&](TPrintObject& engine, const PageFrame& frame) {
        const double L = frame.L;
        const double T = frame.T;
        const float CW = Inches(static_cast<double>(frame.W) / 3);
        const float RH = Inches(static_cast<double>(frame.H) / 9);
        const DateSerial S = job.PrintPageDate;
        const LocaleNames& names = environment.localeNames;

        DrawHeadingBand(
            engine, frame,
            {Inches(L + 3.0 * CW), Inches(T + 0.75 * RH), FormatDateSerial("yyyy", S, names), 18,
             PageText(environment, FooterLabel(PageLayout::YearView))});
        //: Sunday to Saturday, one letter each, separated by spaces.
        const std::array<std::string, 7> weekdayLetters =
            WeekdayInitials(environment, TESSARINE_TRANSLATE_NOOP("PrintedPage", "S M T W T F S"));
        const int year = YearOfDate(S);
        const EventDays events =
            PageEvents(environment, EncodeDateSerial(static_cast<std::uint16_t>(year), 1, 1),
                       EncodeDateSerial(static_cast<std::uint16_t>(year), 12, 31));
        // Column by column, so January, April, July, October, February, ...
        for (int i = 0; i <= 2; ++i) {
            for (int j = 1; j <= 4; ++j) {
                const int month = 3 * (j - 1) + i + 1;
                const MonthBlock block{L + i * CW, T + (2 * j - 1) * RH, CW / 8.0, RH * 2.0 / 8.0};
                // The name straddles the block's top edge.
                engine.SetFont(kPrintFontName, 12, kFontPlain);
                engine.WriteTextBottomCentred(
                    names.longMonthNames[static_cast<std::size_t>(month - 1)],
                    Inches(block.left + kTextInset + 0.5 * CW), Inches(block.top + 0.12));
                DrawMonth(engine, block, weekdayLetters, year, month, events);
            }
        }
    });
}

}  // namespace tessarine
