// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/year_planner.h"

#include <array>
#include <string>

#include "print/day_event_lines.h"
#include "print/page_frame.h"
#include "print/page_texts.h"

namespace tessarine {

namespace {

constexpr int kColumns = 42;
constexpr int kRows = 14;
// Columns 0 to 4 of a month row hold its name; the 37 day columns after them
// fit a 31-day month that begins on a Sunday.
constexpr int kFirstDayColumn = 5;
constexpr int kWeekendGray = 225;
constexpr int kEventMarkGray = 80;

// 0 Monday .. 6 Sunday.
int WeekdayOfColumn(int column) {
    return (column - kFirstDayColumn) % 7;
}

struct PlannerGrid {
    double left = 0;
    double top = 0;
    double columnWidth = 0;
    double rowHeight = 0;

    double X(int column) const { return left + column * columnWidth; }
    double Y(int row) const { return top + row * rowHeight; }

    // White on weekdays, grey on Saturday and Sunday.
    void DrawDayBox(TPrintObject& engine, int column, int row) const {
        const float x1 = Inches(X(column));
        const float y1 = Inches(Y(row));
        const float x2 = Inches(X(column) + columnWidth);
        const float y2 = Inches(Y(row) + rowHeight);
        if (WeekdayOfColumn(column) >= 5) {
            engine.DrawShadedBox(kBoxPen, kWeekendGray, x1, y1, x2, y2);
        } else {
            engine.DrawBox(kBoxPen, x1, y1, x2, y2);
        }
    }

    // A dark square low in the box, seen from across the room where the
    // bold number is not.
    void DrawEventMark(TPrintObject& engine, int column, int row) const {
        const double side = columnWidth / 2.0;
        const double x = X(column) + (columnWidth - side) / 2.0;
        const double y = Y(row) + rowHeight - side - kTextInset * 2;
        engine.DrawShadedBox(1, kEventMarkGray, Inches(x), Inches(y), Inches(x + side),
                             Inches(y + side));
    }

    void WriteInBox(TPrintObject& engine, const std::string& text, int column, int row) const {
        engine.WriteText(text, Inches(X(column) + kTextInset), Inches(Y(row) + kTextInset));
    }
};

void DrawWeekdayRow(TPrintObject& engine, const PlannerGrid& grid,
                    const std::array<std::string, 7>& weekdayLetters) {
    engine.SetFont(kPrintFontName, 10, kFontPlain);
    for (int q = kFirstDayColumn; q < kColumns; ++q) {
        grid.DrawDayBox(engine, q, 1);
        grid.WriteInBox(engine, weekdayLetters[static_cast<std::size_t>(WeekdayOfColumn(q))], q, 1);
    }
}

// Every box of the row is drawn, whether or not a day falls in it.
void DrawMonthRow(TPrintObject& engine, const PlannerGrid& grid, int year, int month,
                  const std::string& name, const EventDays& events) {
    const int row = month + 1;
    engine.SetFont(kPrintFontName, 10, kFontPlain);
    grid.WriteInBox(engine, name, 0, row);
    for (int q = kFirstDayColumn; q < kColumns; ++q) {
        grid.DrawDayBox(engine, q, row);
    }
    const DateSerial first =
        EncodeDateSerial(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month), 1);
    // Monday lands in the first day column, Sunday six further.
    const int firstColumn = WeekdayMondayFirst(first) - 1 + kFirstDayColumn;
    engine.SetFont(kPrintFontName, 8, kFontPlain);
    for (int day = 1; day <= MonthLength(year, month); ++day) {
        // A day with events stands out in bold.
        const bool marked = !events.On(first + (day - 1)).empty();
        if (marked) {
            engine.SetFont(kPrintFontName, 8, kFontBold);
        }
        grid.WriteInBox(engine, std::to_string(day), firstColumn + day - 1, row);
        if (marked) {
            engine.SetFont(kPrintFontName, 8, kFontPlain);
            grid.DrawEventMark(engine, firstColumn + day - 1, row);
        }
    }
}

}  // namespace

void PrintYearPlanner(const PrintJobState& job, const PrintEnvironment& environment, int wide) {
    PrintFramedPage(environment, wide, [&](TPrintObject& engine, const PageFrame& frame) {
        const double L = frame.L;
        const double T = frame.T;
        const float CW = Inches(static_cast<double>(frame.W) / kColumns);
        const float RH = Inches(static_cast<double>(frame.H) / kRows);
        const DateSerial S = job.PrintPageDate;
        const LocaleNames& names = environment.localeNames;
        const PlannerGrid grid{L, T, CW, RH};

        DrawHeadingBand(
            engine, frame,
            {Inches(grid.X(kColumns)), Inches(grid.Y(1)), FormatDateSerial("yyyy", S, names), 18,
             PageText(environment, FooterLabel(PageLayout::YearPlanner))});
        //: Monday to Sunday, one letter each, separated by spaces.
        DrawWeekdayRow(
            engine, grid,
            WeekdayInitials(environment, TESSARINE_TRANSLATE_NOOP("PrintedPage", "M T W T F S S")));
        const int year = YearOfDate(S);
        const EventDays events =
            PageEvents(environment, EncodeDateSerial(static_cast<std::uint16_t>(year), 1, 1),
                       EncodeDateSerial(static_cast<std::uint16_t>(year), 12, 31));
        for (int month = 1; month <= 12; ++month) {
            DrawMonthRow(engine, grid, year, month,
                         names.longMonthNames[static_cast<std::size_t>(month - 1)], events);
        }
    });
}

}  // namespace tessarine
