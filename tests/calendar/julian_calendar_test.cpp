// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/julian_calendar.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <vector>

namespace tessarine {
namespace {

DateSerial D(int y, int m, int d) {
    return EncodeDateSerial(static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(m),
                            static_cast<std::uint16_t>(d));
}

// A grid at a known date and size that counts its events.
class GridTest : public ::testing::Test {
  protected:
    GridTest() {
        grid.SetGridLineWidth(0);
        grid.Resize(525, 340);  // cells 75 x 48
        grid.SetSelectedDate(D(2025, 3, 15));
        grid.OnChange = [this](TJulianCalendar& sender) {
            EXPECT_EQ(&sender, &grid);
            ++changes;
        };
        grid.OnClick = [this](TJulianCalendar&) { ++clicks; };
    }

    void At(DateSerial date) {
        grid.SetSelectedDate(date);
        changes = 0;
        clicks = 0;
    }

    Point CentreOf(int col, int row) const {
        const Rect r = grid.CellRect(col, row);
        return {r.left + r.Width() / 2, r.top + r.Height() / 2};
    }

    // The current cell shows the selected day.
    void ExpectCurrentCellOnSelectedDay() const {
        EXPECT_EQ(grid.CellCaption(grid.Col(), grid.Row()), std::to_string(grid.Day()));
    }

    TJulianCalendar grid;
    int changes = 0;
    int clicks = 0;
};

TEST_F(GridTest, ConstructionDefaults) {
    TJulianCalendar fresh;
    EXPECT_EQ(fresh.SelectedDate(), TodayDate());
    EXPECT_TRUE(fresh.UseCurrentDate());
    EXPECT_FALSE(fresh.ReadOnly());
    EXPECT_FALSE(fresh.ShowJulianDayNumber());
    EXPECT_FALSE(fresh.ShowNone());
    EXPECT_FALSE(fresh.Rebuilding());
    EXPECT_EQ(fresh.StartOfWeek(), 0);
    EXPECT_EQ(fresh.GridLineWidth(), 1);
    EXPECT_EQ(fresh.MinDate(), D(1582, 1, 1));
    EXPECT_EQ(fresh.MaxDate(), D(3000, 12, 31));
    const ColorSet expected{{0xCCFFFF, 0xCCFFFF, 0x99FFCC, 0x80FFFF, 0x80FFFF, 0x000000, 0xCCFFFF,
                             0x000000, 0x000000, 0x000000, 0x000000}};
    EXPECT_EQ(fresh.Colors(), expected);
    EXPECT_EQ(fresh.CellCaption(fresh.Col(), fresh.Row()), std::to_string(DayOfMonth(TodayDate())));
}

// --- Month layout -----------------------------------------------------------

TEST_F(GridTest, MonthStartingOnSaturdayNeedsAllSixRows) {
    At(D(2025, 3, 1));  // a Saturday
    EXPECT_EQ(grid.FirstCellDay(), -5);
    EXPECT_EQ(grid.YearStart(), D(2025, 1, 1));
    EXPECT_EQ(grid.CellCaption(5, 1), "");
    EXPECT_EQ(grid.CellCaption(6, 1), "1");
    EXPECT_EQ(grid.CellCaption(0, 2), "2");
    EXPECT_EQ(grid.CellCaption(1, 6), "31");
    EXPECT_EQ(grid.CellCaption(2, 6), "");
    EXPECT_EQ(grid.Col(), 6);
    EXPECT_EQ(grid.Row(), 1);
}

TEST_F(GridTest, CommonFebruaryStartingOnSundayFillsFourRows) {
    At(D(2015, 2, 10));  // 2015-02-01 is a Sunday
    EXPECT_EQ(grid.FirstCellDay(), 1);
    EXPECT_EQ(grid.CellCaption(0, 1), "1");
    EXPECT_EQ(grid.CellCaption(6, 4), "28");
    for (int row = 5; row <= 6; ++row) {
        for (int col = 0; col < 7; ++col) EXPECT_EQ(grid.CellCaption(col, row), "") << col << row;
    }
    EXPECT_EQ(grid.Col(), 2);  // the 10th, a Tuesday
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(GridTest, StartOfWeekShiftsColumnsAndHeaderWithoutChange) {
    At(D(2025, 3, 15));
    grid.SetStartOfWeek(1);  // Monday first
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(grid.FirstCellDay(), -4);  // Saturday the 1st is column 5
    EXPECT_EQ(grid.CellCaption(5, 1), "1");
    EXPECT_EQ(grid.CellCaption(0, 0), "Mon");
    EXPECT_EQ(grid.CellCaption(6, 0), "Sun");
    ExpectCurrentCellOnSelectedDay();

    grid.SetStartOfWeek(6);  // Saturday first: the 1st opens the month
    EXPECT_EQ(grid.FirstCellDay(), 1);
    EXPECT_EQ(grid.CellCaption(0, 0), "Sat");

    grid.SetStartOfWeek(7);  // not a weekday
    grid.SetStartOfWeek(-1);
    EXPECT_EQ(grid.StartOfWeek(), 6);
}

TEST_F(GridTest, HeaderUsesTheLocaleNamesTheOwnerSets) {
    LocaleNames names;
    names.shortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    int repaints = 0;
    grid.OnRepaintRequest = [&] { ++repaints; };
    grid.SetLocaleNames(names);
    EXPECT_EQ(grid.CellCaption(0, 0), "So");
    EXPECT_EQ(grid.CellCaption(6, 0), "Sa");
    EXPECT_EQ(repaints, 1);
}

TEST_F(GridTest, SecondNumberCaptions) {
    At(D(2024, 2, 29));
    const int col = grid.Col();
    const int row = grid.Row();
    EXPECT_EQ(grid.DayOfYearCaption(col, row), "2024 060");
    EXPECT_EQ(grid.JulianDayCaption(col, row), "2460370");

    At(D(2024, 12, 31));
    EXPECT_EQ(grid.DayOfYearCaption(grid.Col(), grid.Row()), "2024 366");
    At(D(2025, 1, 1));
    EXPECT_EQ(grid.DayOfYearCaption(grid.Col(), grid.Row()), "2025 001");
    At(D(2025, 2, 14));
    EXPECT_EQ(grid.DayOfYearCaption(grid.Col(), grid.Row()), "2025 045");
    At(D(2000, 1, 1));
    EXPECT_EQ(grid.JulianDayCaption(grid.Col(), grid.Row()), "2451545");
    At(D(1582, 1, 1));
    EXPECT_EQ(grid.JulianDayCaption(grid.Col(), grid.Row()), "2298874");
    At(D(3000, 12, 31));
    EXPECT_EQ(grid.JulianDayCaption(grid.Col(), grid.Row()), "2817152");

    // Blank cells and header cells have no second number.
    At(D(2025, 3, 15));
    EXPECT_EQ(grid.DayOfYearCaption(0, 1), "");
    EXPECT_EQ(grid.JulianDayCaption(0, 1), "");
    EXPECT_EQ(grid.DayOfYearCaption(0, 0), "");
}

// --- Month and year steps ---------------------------------------------------

TEST_F(GridTest, MonthStepsClampTheDay) {
    At(D(2024, 1, 31));
    grid.NextMonth();
    EXPECT_EQ(grid.SelectedDate(), D(2024, 2, 29));
    At(D(2023, 1, 31));
    grid.NextMonth();
    EXPECT_EQ(grid.SelectedDate(), D(2023, 2, 28));
    At(D(2024, 3, 31));
    grid.PreviousMonth();
    EXPECT_EQ(grid.SelectedDate(), D(2024, 2, 29));
    EXPECT_EQ(changes, 1);
    At(D(2024, 12, 15));
    grid.NextMonth();
    EXPECT_EQ(grid.SelectedDate(), D(2025, 1, 15));
    At(D(2025, 1, 30));
    grid.PreviousMonth();
    EXPECT_EQ(grid.SelectedDate(), D(2024, 12, 30));
    ExpectCurrentCellOnSelectedDay();
}

TEST_F(GridTest, MonthStepsStopAtTheSpan) {
    At(D(3000, 12, 5));
    grid.NextMonth();
    EXPECT_EQ(grid.SelectedDate(), D(3000, 12, 5));
    At(D(1582, 1, 20));
    grid.PreviousMonth();
    EXPECT_EQ(grid.SelectedDate(), D(1582, 1, 20));
    EXPECT_EQ(changes, 0);
    // One step inside the bounds still works.
    grid.NextMonth();
    EXPECT_EQ(grid.SelectedDate(), D(1582, 2, 20));
}

TEST_F(GridTest, YearStepFromLeapDayFiresChangeTwice) {
    At(D(2024, 2, 29));
    grid.NextYear();
    EXPECT_EQ(grid.SelectedDate(), D(2025, 2, 28));
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(grid.UseCurrentDate());

    At(D(2024, 2, 29));
    grid.PreviousYear();
    EXPECT_EQ(grid.SelectedDate(), D(2023, 2, 28));
    EXPECT_EQ(changes, 2);

    At(D(2023, 3, 31));
    grid.NextYear();
    EXPECT_EQ(grid.SelectedDate(), D(2024, 3, 31));
    EXPECT_EQ(changes, 1);
}

TEST_F(GridTest, YearStepsStopAtTheSpan) {
    At(D(3000, 1, 1));
    grid.NextYear();
    At(D(1582, 12, 31));
    grid.PreviousYear();
    EXPECT_EQ(grid.SelectedDate(), D(1582, 12, 31));
    EXPECT_EQ(changes, 0);
    At(D(2999, 12, 31));
    grid.NextYear();
    EXPECT_EQ(grid.SelectedDate(), D(3000, 12, 31));
}

// --- Keys -------------------------------------------------------------------

TEST_F(GridTest, PageKeysStepMonthsAndYears) {
    At(D(2025, 3, 15));
    EXPECT_TRUE(grid.KeyDown(GridKey::PageUp));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 4, 15));
    EXPECT_TRUE(grid.KeyDown(GridKey::PageDown));
    EXPECT_TRUE(grid.KeyDown(GridKey::PageDown));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 2, 15));
    EXPECT_TRUE(grid.KeyDown(GridKey::PageUp, {.shift = true}));
    EXPECT_EQ(grid.SelectedDate(), D(2026, 2, 15));
    EXPECT_TRUE(grid.KeyDown(GridKey::PageDown, {.shift = true}));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 2, 15));
    EXPECT_EQ(changes, 5);
    // Ctrl is not examined: Ctrl+Page Up is a month step.
    EXPECT_TRUE(grid.KeyDown(GridKey::PageUp, {.ctrl = true}));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 15));
}

// --- Mouse wheel ------------------------------------------------------------

TEST(GridWheel, NotchesTouchpadStepsShiftAndBounds) {
    // Negative angles turn towards the user.
    struct Report {
        WheelDelta delta;
        bool shift = false;
    };
    const auto up = [](int eighths, bool shift = false) { return Report{{0, eighths}, shift}; };
    struct Case {
        const char* name;
        DateSerial start;
        std::vector<Report> reports;
        DateSerial expected;
        int changes;
    };
    const std::vector<Case> cases = {
        {"a notch towards the user", D(2025, 3, 15), {up(-120)}, D(2025, 4, 15), 1},
        {"a notch away", D(2025, 3, 15), {up(120)}, D(2025, 2, 15), 1},
        {"two notches in one report", D(2025, 3, 15), {up(-240)}, D(2025, 5, 15), 2},
        {"touchpad steps short of a notch", D(2025, 3, 15), {up(-40), up(-40)}, D(2025, 3, 15), 0},
        {"touchpad steps that make a notch",
         D(2025, 3, 15),
         {up(-40), up(-40), up(-40)},
         D(2025, 4, 15),
         1},
        {"the rest of a notch is kept",
         D(2025, 3, 15),
         {up(-100), up(-100), up(-100), up(-100)},
         D(2025, 6, 15),
         3},
        {"turning back drops the rest",
         D(2025, 3, 15),
         {up(-100), up(20), up(-100)},
         D(2025, 3, 15),
         0},
        {"Shift moves a year",
         D(2025, 3, 15),
         {up(-120, true), up(-120, true), up(120, true)},
         D(2026, 3, 15),
         3},
        {"Shift sent as a horizontal turn", D(2025, 3, 15), {{{-120, 0}, true}}, D(2026, 3, 15), 1},
        {"pressing Shift drops the rest",
         D(2025, 3, 15),
         {up(-80), up(-80, true)},
         D(2025, 3, 15),
         0},
        {"the larger axis counts", D(2025, 3, 15), {{{30, -120}}}, D(2025, 4, 15), 1},
        {"pixels where no angle is given",
         D(2025, 3, 15),
         {{{0, 0, 5, -60}}, {{0, 0, 0, -60}}},
         D(2025, 4, 15),
         1},
        {"the day is clamped", D(2024, 1, 31), {up(-120)}, D(2024, 2, 29), 1},
        {"a year from a leap day", D(2024, 2, 29), {up(-120, true)}, D(2025, 2, 28), 2},
        {"no month after December 3000", D(3000, 11, 15), {up(-360)}, D(3000, 12, 15), 1},
        {"no month before January 1582", D(1582, 1, 20), {up(120)}, D(1582, 1, 20), 0},
        {"no year after 3000", D(3000, 6, 1), {up(-120, true)}, D(3000, 6, 1), 0},
        {"no year before 1582", D(1583, 6, 1), {up(240, true)}, D(1582, 6, 1), 1},
        {"a runaway turn stops at the bound",
         D(2025, 3, 15),
         {up(INT_MIN)},
         D(3000, 12, 15),
         (3000 - 2025) * 12 + 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TJulianCalendar grid;
        grid.SetSelectedDate(c.start);
        int changes = 0;
        grid.OnChange = [&changes](TJulianCalendar&) { ++changes; };
        for (const Report& report : c.reports)
            grid.MouseWheel(report.delta, {.shift = report.shift});
        EXPECT_EQ(grid.SelectedDate(), c.expected);
        EXPECT_EQ(changes, c.changes);
        EXPECT_EQ(grid.CellCaption(grid.Col(), grid.Row()), std::to_string(grid.Day()));
    }
}

TEST_F(GridTest, HomeGoesToToday) {
    At(D(1700, 6, 6));
    EXPECT_TRUE(grid.KeyDown(GridKey::Home));
    EXPECT_EQ(grid.SelectedDate(), TodayDate());
    EXPECT_EQ(changes, 1);
}

TEST_F(GridTest, LeftAndRightStopAtTheBounds) {
    At(D(3000, 12, 31));
    EXPECT_TRUE(grid.KeyDown(GridKey::Right));
    EXPECT_EQ(grid.SelectedDate(), D(3000, 12, 31));
    At(D(1582, 1, 1));
    EXPECT_TRUE(grid.KeyDown(GridKey::Left));
    EXPECT_EQ(grid.SelectedDate(), D(1582, 1, 1));
    EXPECT_EQ(changes, 0);

    At(D(2025, 3, 31));
    EXPECT_TRUE(grid.KeyDown(GridKey::Right));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 4, 1));
    EXPECT_TRUE(grid.KeyDown(GridKey::Left));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 31));
    EXPECT_EQ(changes, 2);
    ExpectCurrentCellOnSelectedDay();
}

TEST_F(GridTest, DownNearTheUpperBound) {
    for (int day = 25; day <= 31; ++day) {
        At(D(3000, 12, day));
        EXPECT_TRUE(grid.KeyDown(GridKey::Down));
        EXPECT_EQ(grid.SelectedDate(), D(3000, 12, day)) << day;
    }
    EXPECT_EQ(changes, 0);
    At(D(3000, 12, 24));
    EXPECT_TRUE(grid.KeyDown(GridKey::Down));
    EXPECT_EQ(grid.SelectedDate(), D(3000, 12, 31));
}

TEST_F(GridTest, UpNearTheLowerBound) {
    for (int day = 1; day <= 7; ++day) {
        At(D(1582, 1, day));
        EXPECT_TRUE(grid.KeyDown(GridKey::Up));
        EXPECT_EQ(grid.SelectedDate(), D(1582, 1, day)) << day;
    }
    EXPECT_EQ(changes, 0);
    At(D(1582, 1, 8));
    EXPECT_TRUE(grid.KeyDown(GridKey::Up));
    EXPECT_EQ(grid.SelectedDate(), D(1582, 1, 1));
}

TEST_F(GridTest, UpAndDownWithinTheMonthMoveTheCellThenClick) {
    At(D(2025, 3, 15));
    EXPECT_TRUE(grid.KeyDown(GridKey::Up));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 8));
    EXPECT_EQ(clicks, 1);  // the base's move is followed by Click
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(grid.UseCurrentDate());  // the day came through the Day setter
    EXPECT_TRUE(grid.KeyDown(GridKey::Down));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 15));
    EXPECT_EQ(clicks, 2);
}

TEST_F(GridTest, UpAndDownAcrossTheMonthEdge) {
    At(D(2025, 3, 1));  // row 1: the cell above is the header
    EXPECT_TRUE(grid.KeyDown(GridKey::Up));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 2, 22));
    EXPECT_EQ(clicks, 0);

    At(D(2025, 3, 5));  // row 2, the cell above is blank
    EXPECT_TRUE(grid.KeyDown(GridKey::Up));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 2, 26));

    At(D(2025, 3, 7));  // the cell above would be day 0
    EXPECT_TRUE(grid.KeyDown(GridKey::Up));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 2, 28));

    At(D(2025, 2, 21));  // the cell below is the last day
    EXPECT_TRUE(grid.KeyDown(GridKey::Down));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 2, 28));
    At(D(2025, 2, 22));  // the cell below would be day 29
    EXPECT_TRUE(grid.KeyDown(GridKey::Down));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 1));

    At(D(2025, 3, 28));  // the cell below (day 35) is blank
    EXPECT_TRUE(grid.KeyDown(GridKey::Down));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 4, 4));
    EXPECT_EQ(clicks, 0);
    ExpectCurrentCellOnSelectedDay();
}

TEST_F(GridTest, EndMovesToTheLastColumnUnderTheVeto) {
    At(D(2025, 3, 10));  // Monday, column 1 of row 3
    EXPECT_TRUE(grid.KeyDown(GridKey::End));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 15));
    EXPECT_EQ(clicks, 1);
    // Ctrl+End aims at the last cell, which no month reaches: refused, but
    // Click still runs.
    EXPECT_TRUE(grid.KeyDown(GridKey::End, {.ctrl = true}));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 15));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(grid.Col(), 6);
    EXPECT_EQ(grid.Row(), 3);

    At(D(2025, 3, 30));  // row 6, column 6 is blank
    EXPECT_TRUE(grid.KeyDown(GridKey::End));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 30));
    EXPECT_EQ(changes, 0);
}

TEST_F(GridTest, OtherKeysAreNotConsumed) {
    At(D(2025, 3, 15));
    EXPECT_FALSE(grid.KeyDown(GridKey::Other));
    EXPECT_FALSE(grid.KeyDown(GridKey::Other, {.shift = true, .ctrl = true}));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 15));
    EXPECT_EQ(changes + clicks, 0);
}

// --- Mouse and veto ---------------------------------------------------------

TEST_F(GridTest, LeftPressOnADaySelectsIt) {
    At(D(2025, 3, 15));
    grid.MouseDown(MouseButton::Left, CentreOf(6, 1));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 1));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(grid.UseCurrentDate());
    // The very edge pixels of a cell belong to it.
    const Rect r = grid.CellRect(3, 4);
    grid.MouseDown(MouseButton::Left, {r.right - 1, r.bottom - 1});
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 19));
    grid.MouseDown(MouseButton::Left, {r.left, r.top});
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 19));
    EXPECT_EQ(changes, 2);  // the same day again changes nothing
}

TEST_F(GridTest, BlankHeaderAndStripPressesKeepTheSelection) {
    grid.Resize(530, 345);  // a strip right of and below the cells
    At(D(2025, 3, 15));
    grid.MouseDown(MouseButton::Left, CentreOf(0, 1));  // blank
    EXPECT_EQ(clicks, 1);                               // refused, still clicked
    grid.MouseDown(MouseButton::Left, CentreOf(3, 0));  // header
    grid.MouseDown(MouseButton::Left, {527, 100});      // right strip
    grid.MouseDown(MouseButton::Left, {100, 343});      // bottom strip
    grid.MouseDown(MouseButton::Right, CentreOf(6, 1));
    grid.MouseDown(MouseButton::Middle, CentreOf(6, 1));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 15));
    EXPECT_EQ(grid.Col(), 6);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(clicks, 1);
}

TEST_F(GridTest, VetoRefusesHeaderAndBlankCells) {
    At(D(2025, 3, 15));
    EXPECT_FALSE(grid.SelectCell(3, 0));
    EXPECT_FALSE(grid.SelectCell(0, 1));
    EXPECT_FALSE(grid.SelectCell(2, 6));
    EXPECT_TRUE(grid.SelectCell(6, 1));
    EXPECT_FALSE(grid.SelectCell(7, 1));
    EXPECT_FALSE(grid.SelectCell(0, 7));
    grid.SetReadOnly(true);
    EXPECT_FALSE(grid.SelectCell(6, 1));
}

TEST_F(GridTest, SettingColAndRowActsAsAUserMove) {
    At(D(2025, 3, 15));
    grid.SetCol(2);
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 11));
    grid.SetRow(1);  // column 2 of row 1 is blank: refused
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 11));
    EXPECT_EQ(clicks, 2);
    grid.SetRow(0);  // the header row can never be current
    grid.SetCol(9);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), 2);
}

TEST_F(GridTest, ReadOnlyRefusesMovesButNotDateKeys) {
    At(D(2025, 3, 15));
    grid.SetReadOnly(true);

    grid.MouseDown(MouseButton::Left, CentreOf(6, 1));
    EXPECT_TRUE(grid.KeyDown(GridKey::End, {}));
    EXPECT_TRUE(grid.KeyDown(GridKey::Up));  // within the month: a base move, refused
    EXPECT_TRUE(grid.KeyDown(GridKey::Down));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 15));
    EXPECT_EQ(changes, 0);

    EXPECT_TRUE(grid.KeyDown(GridKey::Left));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 14));
    EXPECT_TRUE(grid.KeyDown(GridKey::Right));
    EXPECT_TRUE(grid.KeyDown(GridKey::PageUp));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 4, 15));
    EXPECT_TRUE(grid.KeyDown(GridKey::PageDown));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 15));
    ExpectCurrentCellOnSelectedDay();  // rebuilding moves the cell despite the veto

    At(D(2025, 3, 2));  // the cell above is blank: crosses into February
    EXPECT_TRUE(grid.KeyDown(GridKey::Up));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 2, 23));
    ExpectCurrentCellOnSelectedDay();
    EXPECT_TRUE(grid.KeyDown(GridKey::Home));
    EXPECT_EQ(grid.SelectedDate(), TodayDate());
}

TEST_F(GridTest, DoubleClickFiresItsEvent) {
    int doubles = 0;
    grid.OnDblClick = [&](TJulianCalendar&) { ++doubles; };
    grid.DblClick();
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(changes, 0);
}

// --- Setters ----------------------------------------------------------------

TEST_F(GridTest, IndexedSettersIgnoreBadValues) {
    At(D(2025, 1, 31));
    grid.SetDay(0);
    grid.SetDay(32);
    grid.SetMonth(13);
    grid.SetMonth(-3);
    grid.SetDatePart(4, 1);
    grid.SetDay(31);                    // the same day
    EXPECT_NO_THROW(grid.SetMonth(2));  // no February 31st: the date stays
    EXPECT_NO_THROW(grid.SetMonth(4));
    EXPECT_EQ(grid.SelectedDate(), D(2025, 1, 31));
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(grid.UseCurrentDate());
    EXPECT_FALSE(grid.Rebuilding());

    grid.SetMonth(3);
    EXPECT_EQ(grid.SelectedDate(), D(2025, 3, 31));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(grid.UseCurrentDate());
    ExpectCurrentCellOnSelectedDay();
}

TEST_F(GridTest, YearSetterKeepsToTheSpanAndToExistingDays) {
    At(D(2024, 2, 29));
    grid.SetYear(2023);  // no February 29th in 2023
    grid.SetYear(1581);
    grid.SetYear(3001);
    grid.SetYear(70000);
    EXPECT_EQ(grid.SelectedDate(), D(2024, 2, 29));
    EXPECT_EQ(changes, 0);
    grid.SetYear(2028);
    EXPECT_EQ(grid.SelectedDate(), D(2028, 2, 29));
    EXPECT_EQ(grid.Year(), 2028);
    EXPECT_EQ(grid.Month(), 2);
    EXPECT_EQ(grid.Day(), 29);
}

TEST_F(GridTest, SetSelectedDateKeepsToTheSpan) {
    At(D(2025, 3, 15));
    grid.SetSelectedDate(D(3500, 1, 1));
    EXPECT_EQ(grid.SelectedDate(), D(3000, 12, 31));
    grid.SetSelectedDate(-700000);  // before year 1
    EXPECT_EQ(grid.SelectedDate(), D(1582, 1, 1));
    grid.SetSelectedDate(std::nan(""));
    EXPECT_EQ(grid.SelectedDate(), D(1582, 1, 1));
    EXPECT_EQ(changes, 2);
}

TEST_F(GridTest, UseCurrentDateJumpsToTodayWithoutChange) {
    At(D(1999, 9, 9));
    EXPECT_TRUE(grid.UseCurrentDate());  // SetSelectedDate does not clear it
    grid.SetUseCurrentDate(true);        // unchanged: no jump
    EXPECT_EQ(grid.SelectedDate(), D(1999, 9, 9));

    grid.SetDay(10);
    EXPECT_FALSE(grid.UseCurrentDate());
    changes = 0;
    grid.SetUseCurrentDate(true);
    EXPECT_TRUE(grid.UseCurrentDate());
    EXPECT_EQ(grid.SelectedDate(), TodayDate());
    EXPECT_EQ(changes, 0);
    ExpectCurrentCellOnSelectedDay();
}

TEST_F(GridTest, RepaintRequests) {
    int repaints = 0;
    grid.OnRepaintRequest = [&] { ++repaints; };
    grid.NextMonth();
    EXPECT_EQ(repaints, 1);
    grid.SetFocused(true);
    grid.SetFocused(true);
    EXPECT_EQ(repaints, 2);
    grid.Resize(600, 400);
    EXPECT_EQ(repaints, 3);
}

// --- Sizing -----------------------------------------------------------------

TEST_F(GridTest, CellSizingWithAndWithoutGridLines) {
    grid.Resize(527, 345);
    EXPECT_EQ(grid.ColWidth(), 75);
    EXPECT_EQ(grid.RowHeight(), 49);
    EXPECT_EQ(grid.CellRect(6, 6), (Rect{450, 294, 525, 343}));

    grid.SetGridLineWidth(1);
    EXPECT_EQ(grid.ColWidth(), 74);  // (527 - 6) div 7
    EXPECT_EQ(grid.RowHeight(), 48);
    EXPECT_EQ(grid.CellRect(1, 1), (Rect{75, 49, 149, 97}));
    // A point on the line between two cells belongs to the cell before it.
    EXPECT_EQ(grid.MouseToCell({74, 10}), (GridCell{0, 0}));
    EXPECT_EQ(grid.MouseToCell({75, 49}), (GridCell{1, 1}));

    grid.Resize(3, 2);  // smaller than the lines
    EXPECT_EQ(grid.ColWidth(), 0);
    EXPECT_EQ(grid.RowHeight(), 0);
    EXPECT_FALSE(grid.MouseToCell({1, 1}).has_value());
}

// --- No sequence leaves the span --------------------------------------------

TEST_F(GridTest, HeldKeysStopAtTheBounds) {
    At(D(2990, 6, 15));
    for (int i = 0; i < 200; ++i) grid.KeyDown(GridKey::PageUp, {.shift = true});
    EXPECT_EQ(grid.SelectedDate(), D(3000, 6, 15));
    for (int i = 0; i < 200; ++i) grid.KeyDown(GridKey::PageUp);
    EXPECT_EQ(grid.SelectedDate(), D(3000, 12, 15));
    for (int i = 0; i < 40; ++i) grid.KeyDown(GridKey::Down);
    EXPECT_EQ(grid.SelectedDate(), D(3000, 12, 29));
    for (int i = 0; i < 40; ++i) grid.KeyDown(GridKey::Right);
    EXPECT_EQ(grid.SelectedDate(), D(3000, 12, 31));

    At(D(1590, 6, 15));
    for (int i = 0; i < 200; ++i) grid.KeyDown(GridKey::PageDown, {.shift = true});
    for (int i = 0; i < 200; ++i) grid.KeyDown(GridKey::PageDown);
    EXPECT_EQ(grid.SelectedDate(), D(1582, 1, 15));
    for (int i = 0; i < 40; ++i) grid.KeyDown(GridKey::Up);
    EXPECT_EQ(grid.SelectedDate(), D(1582, 1, 1));
    for (int i = 0; i < 40; ++i) grid.KeyDown(GridKey::Left);
    EXPECT_EQ(grid.SelectedDate(), D(1582, 1, 1));
}

TEST_F(GridTest, RandomInputNeverLeavesTheSpan) {
    std::mt19937 random(20250314);
    const GridKey keys[] = {GridKey::PageUp, GridKey::PageDown, GridKey::Left, GridKey::Right,
                            GridKey::Up,     GridKey::Down,     GridKey::End,  GridKey::Other};
    int lastChanges = 0;
    for (int step = 0; step < 60000; ++step) {
        const int action = static_cast<int>(random() % 100);
        const DateSerial before = grid.SelectedDate();
        if (action < 70) {
            // Mostly toward one end for a while, so both bounds are met often.
            const bool forward = (step / 3000) % 2 == 0;
            GridKey key = keys[random() % std::size(keys)];
            if (random() % 3 == 0) key = forward ? GridKey::PageUp : GridKey::PageDown;
            grid.KeyDown(key, {.shift = random() % 2 == 0, .ctrl = random() % 5 == 0});
        } else if (action < 90) {
            grid.MouseDown(
                random() % 4 == 0 ? MouseButton::Right : MouseButton::Left,
                {static_cast<int>(random() % 540) - 5, static_cast<int>(random() % 350) - 5});
        } else if (action < 93) {
            grid.SetReadOnly(!grid.ReadOnly());
        } else if (action < 96) {
            grid.SetStartOfWeek(static_cast<int>(random() % 7));
        } else {
            grid.SetDatePart(static_cast<int>(random() % 4), static_cast<int>(random() % 40) - 2);
        }
        const DateSerial after = grid.SelectedDate();
        ASSERT_GE(after, grid.MinDate()) << "step " << step;
        ASSERT_LE(after, grid.MaxDate()) << "step " << step;
        ASSERT_EQ(after, std::trunc(after)) << "step " << step;
        ASSERT_GE(grid.Row(), 1);
        ASSERT_EQ(grid.CellCaption(grid.Col(), grid.Row()), std::to_string(grid.Day()))
            << "step " << step;
        // Every change of the date was announced.
        if (after != before) {
            ASSERT_GT(changes, lastChanges) << "step " << step;
        }
        lastChanges = changes;
    }
}

}  // namespace
}  // namespace tessarine
