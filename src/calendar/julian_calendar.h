// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calendar/canvas.h"
#include "calendar/color_set.h"
#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "calendar/wheel_notches.h"

namespace tessarine {

// Weekday of column 0: 0 = Sunday, 1 = Monday, ..., 6 = Saturday.
using TDayOfWeek = int;

// Keys the grid reacts to; every other key is Other and is not consumed.
enum class GridKey { Other, PageUp, PageDown, Home, End, Left, Right, Up, Down };

struct KeyModifiers {
    bool shift = false;
    bool ctrl = false;
};

enum class MouseButton { Left, Right, Middle };

struct GridCell {
    int col = 0;
    int row = 0;

    bool operator==(const GridCell&) const = default;
};

// How a cell is to be drawn: fixed for the header row, selected for the
// current cell, focused for the current cell while the grid has the focus.
struct CellState {
    bool fixed = false;
    bool selected = false;
    bool focused = false;
};

// The month grid: seven weekday columns by a header row and six week rows,
// showing the month of the selected date. It keeps the date inside
// 1582-01-01 .. 3000-12-31 whatever keys, clicks and steps it is given.
// Input arrives as plain values from the toolkit layer, which also supplies a
// Canvas for painting and honours OnRepaintRequest.
class TJulianCalendar {
  public:
    static constexpr int kColCount = 7;
    static constexpr int kRowCount = 7;
    static constexpr int kFixedRows = 1;

    TJulianCalendar();

    TJulianCalendar(const TJulianCalendar&) = delete;
    TJulianCalendar& operator=(const TJulianCalendar&) = delete;

    // Events. OnChange follows every change of SelectedDate made through the
    // grid's own operations (not StartOfWeek or UseCurrentDate).
    std::function<void(TJulianCalendar& sender)> OnChange;
    std::function<void(TJulianCalendar& sender)> OnClick;
    std::function<void(TJulianCalendar& sender)> OnDblClick;
    // The whole grid needs painting again.
    std::function<void()> OnRepaintRequest;

    DateSerial SelectedDate() const { return selectedDate_; }
    DateSerial YearStart() const { return yearStart_; }
    int FirstCellDay() const { return firstCellDay_; }
    bool Rebuilding() const { return rebuilding_; }
    DateSerial MinDate() const { return minDate_; }
    DateSerial MaxDate() const { return maxDate_; }

    // When true, clicks and the base moves of the current cell are refused;
    // keys that change the date directly still work.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value) { readOnly_ = value; }

    // Values outside 0..6 are ignored.
    TDayOfWeek StartOfWeek() const { return startOfWeek_; }
    void SetStartOfWeek(TDayOfWeek value);

    // Setting it to true jumps to today without OnChange.
    bool UseCurrentDate() const { return useCurrentDate_; }
    void SetUseCurrentDate(bool value);

    // Display mode; the owner asks for a repaint after changing it.
    bool ShowJulianDayNumber() const { return showJulianDayNumber_; }
    void SetShowJulianDayNumber(bool value) { showJulianDayNumber_ = value; }
    bool ShowNone() const { return showNone_; }  // wins over ShowJulianDayNumber
    void SetShowNone(bool value) { showNone_ = value; }

    // The grid's own copy of the active colour set; read only by the drawing.
    const ColorSet& Colors() const { return colors_; }
    void SetColors(const ColorSet& colors);
    Color BackgroundColor() const { return colors_[ColorSet::BackgroundColor]; }

    // Width of the lines between cells; enters the cell sizing. Negative
    // values count as 0.
    int GridLineWidth() const { return gridLineWidth_; }
    void SetGridLineWidth(int width);

    // The current cell. Setting it behaves like a user move: the veto is
    // asked, then Click runs. Values outside the grid are ignored.
    int Col() const { return col_; }
    int Row() const { return row_; }
    void SetCol(int col);
    void SetRow(int row);

    int Year() const;
    int Month() const;
    int Day() const;
    void SetYear(int value) { SetDatePart(1, value); }
    void SetMonth(int value) { SetDatePart(2, value); }
    void SetDay(int value) { SetDatePart(3, value); }
    // The indexed setter: index 1 year, 2 month, 3 day. Values that name no
    // date (below 1, a month above 12, a day beyond the month, a year outside
    // 1582..3000, February 29 in a common year) leave the date unchanged.
    void SetDatePart(int index, int value);

    bool IsLeap(int year) const;
    int MonthLength(int year, int month) const;
    int CurrentMonthLength() const;
    // Recomputes the month layout, moves the current cell onto the selected
    // day and asks for a repaint. Fires no event.
    void RebuildMonth();

    // Dates outside 1582-01-01 .. 3000-12-31 are moved to the nearer bound;
    // values that are not finite are ignored.
    void SetSelectedDate(DateSerial date);
    void NextMonth() { StepMonth(+1); }
    void PreviousMonth() { StepMonth(-1); }
    void NextYear();
    void PreviousYear();
    // One month forward (delta > 0) or back, the day clamped to the target
    // month; nothing when the target leaves 1582..3000.
    void StepMonth(int delta);

    // Row 0: abbreviated day name; week rows: the day number or "".
    std::string CellCaption(int col, int row) const;
    // "yyyy nnn" for a day cell, "" for a blank one.
    std::string DayOfYearCaption(int col, int row) const;
    // The chronological Julian Day Number of a day cell, "" for a blank one.
    std::string JulianDayCaption(int col, int row) const;
    // The second line of a day cell in the current display mode: the day of
    // the year, the Julian Day Number, or "" when no number is shown.
    std::string DayNumberCaption(int col, int row) const;
    // Day of the month a week-row cell stands for; may lie outside the month.
    int CellDay(int col, int row) const;

    // The user's own events of one month, one list of lines per day (index 0
    // is the 1st). Kept for that month only: another month shown has none.
    // The owner asks for a repaint after setting them.
    void SetEventLines(int year, int month, std::vector<std::vector<std::string>> linesByDay);
    // The same lines shared with their maker, who keeps them unchanged: a
    // month of a large calendar is not copied at each step.
    void SetSharedEventLines(
        int year, int month,
        std::shared_ptr<const std::vector<std::vector<std::string>>> linesByDay);
    // The lines of a day cell of the shown month; empty for every other cell.
    const std::vector<std::string>& EventLines(int col, int row) const;

    void Change();

    // Base grid behaviour.

    // The veto asked before the current cell moves.
    bool SelectCell(int col, int row) const;
    // Runs after each user move of the current cell, also a refused one.
    void Click();
    void DblClick();
    // Returns whether the grid consumed the key; unconsumed keys belong to
    // the owner.
    bool KeyDown(GridKey key, KeyModifiers modifiers = {});
    // A left press moves the current cell to the cell under the point (when
    // the veto allows) and runs Click. Other buttons leave the grid alone;
    // the toolkit layer opens the context menu.
    void MouseDown(MouseButton button, Point at);
    // The wheel over the grid: one month per notch, towards the user forward
    // in time; with Shift one year per notch. Touchpad steps are added up to
    // whole notches. Moves stop at the bounds as the month and year steps do.
    void MouseWheel(const WheelDelta& delta, KeyModifiers modifiers);
    // New client size; recomputes the column width and row height.
    void Resize(int width, int height);

    std::optional<GridCell> MouseToCell(Point at) const;
    Rect CellRect(int col, int row) const;
    int ColWidth() const { return colWidth_; }
    int RowHeight() const { return rowHeight_; }

    // Whether the grid is its window's active control (draws the focused cell).
    bool Focused() const { return focused_; }
    void SetFocused(bool focused);

    // Header day names; English until the owner hands over the user's locale.
    const LocaleNames& Names() const { return names_; }
    void SetLocaleNames(const LocaleNames& names);

    // Paints the whole client area: the 49 cells row by row, then the strip
    // right of and below them.
    void Paint(Canvas& canvas);
    // Draws one cell after the per-cell preparation has filled it.
    void DrawCell(Canvas& canvas, int col, int row, const Rect& rect, CellState state);

  private:
    void RequestRepaint();
    // Moves the current cell as a user move does: veto, move, then Click.
    void FocusCell(int col, int row);
    void DrawHeaderCell(Canvas& canvas, int col, const Rect& rect);
    void DrawWeekCell(Canvas& canvas, int col, int row, const Rect& rect, CellState state);
    void DrawBevel(Canvas& canvas, const Rect& rect);
    // The dot in the upper right corner of a day with events.
    void DrawEventMark(Canvas& canvas, const Rect& rect, Color color);
    void SetPen(Canvas& canvas, Color color, int width);
    void DrawGridLines(Canvas& canvas);

    DateSerial selectedDate_ = 0;
    DateSerial yearStart_ = 0;
    int firstCellDay_ = 1;
    bool readOnly_ = false;
    TDayOfWeek startOfWeek_ = 0;
    bool rebuilding_ = false;
    bool useCurrentDate_ = true;
    bool showJulianDayNumber_ = false;
    bool showNone_ = false;
    DateSerial minDate_ = kMinSupportedDate;
    DateSerial maxDate_ = kMaxSupportedDate;
    ColorSet colors_{};

    int gridLineWidth_ = 1;
    int col_ = 0;
    int row_ = 1;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    int colWidth_ = 0;
    int rowHeight_ = 0;
    bool focused_ = false;
    LocaleNames names_{};
    WheelNotches wheelNotches_;
    int eventYear_ = 0;
    int eventMonth_ = 0;
    std::shared_ptr<const std::vector<std::vector<std::string>>> eventLines_;

    // The pen outlives a paint, as a device context's selected pen would:
    // the header ellipses are outlined with whatever the last paint left.
    Color penColor_ = kBlack;
    int penWidth_ = 1;
};

}  // namespace tessarine
