// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/julian_calendar.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace tessarine {

namespace {

// The colours the grid starts with, until its owner hands it a colour set.
constexpr ColorSet kInitialColors{{kPaleYellow, kPaleYellow, kLightGreen, kLightYellow,
                                   kLightYellow, kBlack, kPaleYellow, kBlack, kBlack, kBlack,
                                   kBlack}};

DateSerial Encode(int year, int month, int day) {
    return EncodeDateSerial(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                            static_cast<std::uint16_t>(day));
}

// Keeps Rebuilding true for exactly the span of a rebuild, also when a step
// throws.
class RebuildingScope {
  public:
    explicit RebuildingScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~RebuildingScope() { flag_ = false; }
    RebuildingScope(const RebuildingScope&) = delete;
    RebuildingScope& operator=(const RebuildingScope&) = delete;

  private:
    bool& flag_;
};

}  // namespace

TJulianCalendar::TJulianCalendar() : colors_(kInitialColors) {
    // A system clock outside the supported span still yields a showable date.
    selectedDate_ = std::clamp(TodayDate(), minDate_, maxDate_);
    RebuildMonth();
}

void TJulianCalendar::SetStartOfWeek(TDayOfWeek value) {
    if (value < 0 || value > 6 || value == startOfWeek_) return;
    startOfWeek_ = value;
    RebuildMonth();
}

void TJulianCalendar::SetUseCurrentDate(bool value) {
    if (value == useCurrentDate_) return;
    useCurrentDate_ = value;
    if (value) {
        selectedDate_ = std::clamp(TodayDate(), minDate_, maxDate_);
        RebuildMonth();
    }
}

void TJulianCalendar::SetColors(const ColorSet& colors) {
    colors_ = colors;
    RequestRepaint();
}

void TJulianCalendar::SetGridLineWidth(int width) {
    width = std::max(width, 0);
    if (width == gridLineWidth_) return;
    gridLineWidth_ = width;
    // The cell sizes depend on the line width; keep them consistent with it.
    Resize(clientWidth_, clientHeight_);
}

void TJulianCalendar::SetCol(int col) {
    if (col < 0 || col >= kColCount || col == col_) return;
    FocusCell(col, row_);
}

void TJulianCalendar::SetRow(int row) {
    if (row < kFixedRows || row >= kRowCount || row == row_) return;
    FocusCell(col_, row);
}

int TJulianCalendar::Year() const {
    return DecodeDateSerial(selectedDate_).year;
}
int TJulianCalendar::Month() const {
    return DecodeDateSerial(selectedDate_).month;
}
int TJulianCalendar::Day() const {
    return DecodeDateSerial(selectedDate_).day;
}

void TJulianCalendar::SetDatePart(int index, int value) {
    if (value < 1) return;
    const DateFields f = DecodeDateSerial(selectedDate_);
    int year = f.year;
    int month = f.month;
    int day = f.day;
    switch (index) {
        case 1:
            // Years outside the span are refused like any other bad value.
            if (value == year || value < kFirstSupportedYear || value > kLastSupportedYear) return;
            year = value;
            break;
        case 2:
            if (value > 12 || value == month) return;
            month = value;
            break;
        case 3:
            if (value > CurrentMonthLength() || value == day) return;
            day = value;
            break;
        default:
            return;
    }
    DateSerial date = 0;
    try {
        date = Encode(year, month, day);
    } catch (const DateEncodeError&) {
        // The kept day does not exist in the new month or year (the 31st set
        // to a 30-day month, February 29 into a common year): the date stays.
        return;
    }
    selectedDate_ = date;
    useCurrentDate_ = false;
    RebuildMonth();
    Change();
}

// The calendar rules live with the date arithmetic; the grid only asks.
bool TJulianCalendar::IsLeap(int year) const {
    return IsGregorianLeapYear(year);
}

int TJulianCalendar::MonthLength(int year, int month) const {
    return tessarine::MonthLength(year, month);
}

int TJulianCalendar::CurrentMonthLength() const {
    const DateFields f = DecodeDateSerial(selectedDate_);
    return MonthLength(f.year, f.month);
}

void TJulianCalendar::RebuildMonth() {
    RebuildingScope scope(rebuilding_);
    const DateFields f = DecodeDateSerial(selectedDate_);
    yearStart_ = Encode(f.year, 1, 1);
    const int weekdayOfFirst = WeekdaySundayFirst(Encode(f.year, f.month, 1));
    const int blanks = (weekdayOfFirst - startOfWeek_ + 7) % 7;
    firstCellDay_ = 2 - blanks;
    if (firstCellDay_ == 2) firstCellDay_ = -5;
    const int offset = f.day - firstCellDay_;
    const int col = offset % 7;
    const int row = offset / 7 + 1;
    if (SelectCell(col, row)) {
        col_ = col;
        row_ = row;
    }
    RequestRepaint();
}

void TJulianCalendar::SetSelectedDate(DateSerial date) {
    if (!std::isfinite(date)) return;
    // Outside the span the month layout cannot be built (years 0 and 10000
    // have no encoding); keep the grid showable.
    selectedDate_ = std::clamp(date, minDate_, maxDate_);
    RebuildMonth();
    Change();
}

void TJulianCalendar::NextYear() {
    const int year = Year();
    if (year + 1 > kLastSupportedYear) return;
    if (IsLeap(year) && Month() == 2 && Day() == 29) SetDay(28);
    SetYear(year + 1);
}

void TJulianCalendar::PreviousYear() {
    const int year = Year();
    if (year - 1 < kFirstSupportedYear) return;
    if (IsLeap(year) && Month() == 2 && Day() == 29) SetDay(28);
    SetYear(year - 1);
}

void TJulianCalendar::StepMonth(int delta) {
    if (delta == 0) return;
    const DateFields f = DecodeDateSerial(selectedDate_);
    const int saved = f.day;
    const DateSerial anchor = delta > 0 ? Encode(f.year, f.month, MonthLength(f.year, f.month))
                                        : Encode(f.year, f.month, 1);
    const DateFields target = DecodeDateSerial(anchor + (delta > 0 ? 1 : -1));
    const int length = MonthLength(target.year, target.month);
    const int day = saved < length ? saved : length;
    if (target.year >= kFirstSupportedYear && target.year <= kLastSupportedYear) {
        SetSelectedDate(Encode(target.year, target.month, day));
    }
}

int TJulianCalendar::CellDay(int col, int row) const {
    return firstCellDay_ + col + (row - 1) * 7;
}

std::string TJulianCalendar::CellCaption(int col, int row) const {
    if (col < 0 || col >= kColCount || row < 0 || row >= kRowCount) return {};
    if (row == 0) return names_.shortDayNames[static_cast<std::size_t>((startOfWeek_ + col) % 7)];
    const int day = CellDay(col, row);
    if (day < 1 || day > CurrentMonthLength()) return {};
    return std::to_string(day);
}

void TJulianCalendar::SetEventLines(int year, int month,
                                    std::vector<std::vector<std::string>> linesByDay) {
    SetSharedEventLines(
        year, month,
        std::make_shared<const std::vector<std::vector<std::string>>>(std::move(linesByDay)));
}

void TJulianCalendar::SetSharedEventLines(
    int year, int month, std::shared_ptr<const std::vector<std::vector<std::string>>> linesByDay) {
    eventYear_ = year;
    eventMonth_ = month;
    eventLines_ = std::move(linesByDay);
}

const std::vector<std::string>& TJulianCalendar::EventLines(int col, int row) const {
    static const std::vector<std::string> kNone;
    if (row < kFixedRows || CellCaption(col, row).empty()) return kNone;
    if (Year() != eventYear_ || Month() != eventMonth_) return kNone;
    const int day = CellDay(col, row);
    if (!eventLines_ || static_cast<std::size_t>(day) > eventLines_->size()) return kNone;
    return (*eventLines_)[static_cast<std::size_t>(day - 1)];
}

std::string TJulianCalendar::DayOfYearCaption(int col, int row) const {
    if (CellCaption(col, row).empty() || row == 0) return {};
    const DateFields f = DecodeDateSerial(selectedDate_);
    const std::string number =
        std::to_string(DayOfYear(Encode(f.year, f.month, CellDay(col, row))));
    // PadLeftZeros: three digits at least.
    const std::string zeros(number.size() < 3 ? 3 - number.size() : 0, '0');
    return std::to_string(f.year) + " " + zeros + number;
}

std::string TJulianCalendar::JulianDayCaption(int col, int row) const {
    if (CellCaption(col, row).empty() || row == 0) return {};
    const DateFields f = DecodeDateSerial(selectedDate_);
    return std::to_string(ChronologicalJulianDayNumber(f.year, f.month, CellDay(col, row)));
}

std::string TJulianCalendar::DayNumberCaption(int col, int row) const {
    if (showNone_) return {};
    return showJulianDayNumber_ ? JulianDayCaption(col, row) : DayOfYearCaption(col, row);
}

void TJulianCalendar::Change() {
    if (OnChange) OnChange(*this);
}

bool TJulianCalendar::SelectCell(int col, int row) const {
    if (col < 0 || col >= kColCount || row < kFixedRows || row >= kRowCount) return false;
    if (rebuilding_ || !readOnly_) return !CellCaption(col, row).empty();
    return false;
}

void TJulianCalendar::Click() {
    if (OnClick) OnClick(*this);
    if (!CellCaption(col_, row_).empty()) SetDay(CellDay(col_, row_));
}

void TJulianCalendar::DblClick() {
    if (OnDblClick) OnDblClick(*this);
}

void TJulianCalendar::FocusCell(int col, int row) {
    if (SelectCell(col, row) && (col != col_ || row != row_)) {
        col_ = col;
        row_ = row;
        RequestRepaint();
    }
    Click();
}

bool TJulianCalendar::KeyDown(GridKey key, KeyModifiers modifiers) {
    switch (key) {
        case GridKey::PageUp:
            modifiers.shift ? NextYear() : NextMonth();
            return true;
        case GridKey::PageDown:
            modifiers.shift ? PreviousYear() : PreviousMonth();
            return true;
        case GridKey::Home:
            SetSelectedDate(TodayDate());
            return true;
        case GridKey::Left:
            if (selectedDate_ > minDate_) SetSelectedDate(selectedDate_ - 1);
            return true;
        case GridKey::Right:
            if (selectedDate_ < maxDate_) SetSelectedDate(selectedDate_ + 1);
            return true;
        case GridKey::Up:
            if (selectedDate_ - 7 < minDate_) return true;
            if (CellDay(col_, row_ - 1) < 1) {
                SetSelectedDate(selectedDate_ - 7);
            } else {
                FocusCell(col_, row_ - 1);  // the base's move, then Click sets the day
            }
            return true;
        case GridKey::Down:
            if (selectedDate_ + 7 > maxDate_) return true;
            if (CellDay(col_, row_ + 1) > CurrentMonthLength()) {
                SetSelectedDate(selectedDate_ + 7);
            } else {
                FocusCell(col_, row_ + 1);
            }
            return true;
        case GridKey::End: {
            const int row = modifiers.ctrl ? kRowCount - 1 : row_;
            if (kColCount - 1 != col_ || row != row_) FocusCell(kColCount - 1, row);
            return true;
        }
        case GridKey::Other:
            break;
    }
    return false;
}

void TJulianCalendar::MouseDown(MouseButton button, Point at) {
    if (button != MouseButton::Left) return;
    const std::optional<GridCell> cell = MouseToCell(at);
    // Presses on the header row or beyond the cells move nothing.
    if (!cell || cell->row < kFixedRows) return;
    FocusCell(cell->col, cell->row);
}

void TJulianCalendar::MouseWheel(const WheelDelta& delta, KeyModifiers modifiers) {
    const int notches = wheelNotches_.Add(delta, modifiers.shift);
    // Away from the user goes back in time, as a list scrolls up.
    const bool back = notches > 0;
    for (int i = 0; i < std::abs(notches); ++i) {
        const DateSerial before = selectedDate_;
        if (modifiers.shift) {
            back ? PreviousYear() : NextYear();
        } else {
            StepMonth(back ? -1 : +1);
        }
        // At a bound every further notch would do nothing as well.
        if (selectedDate_ == before) break;
    }
}

void TJulianCalendar::Resize(int width, int height) {
    clientWidth_ = std::max(width, 0);
    clientHeight_ = std::max(height, 0);
    colWidth_ = std::max((clientWidth_ - 6 * gridLineWidth_) / 7, 0);
    rowHeight_ = std::max((clientHeight_ - 6 * gridLineWidth_) / 7, 0);
    RequestRepaint();
}

std::optional<GridCell> TJulianCalendar::MouseToCell(Point at) const {
    if (at.x < 0 || at.y < 0 || colWidth_ <= 0 || rowHeight_ <= 0) return std::nullopt;
    if (at.x >= clientWidth_ || at.y >= clientHeight_) return std::nullopt;
    // A point on a grid line belongs to the cell left of or above it.
    const int col = at.x / (colWidth_ + gridLineWidth_);
    const int row = at.y / (rowHeight_ + gridLineWidth_);
    if (col >= kColCount || row >= kRowCount) return std::nullopt;
    return GridCell{col, row};
}

Rect TJulianCalendar::CellRect(int col, int row) const {
    const int left = col * (colWidth_ + gridLineWidth_);
    const int top = row * (rowHeight_ + gridLineWidth_);
    return {left, top, left + colWidth_, top + rowHeight_};
}

void TJulianCalendar::SetFocused(bool focused) {
    if (focused == focused_) return;
    focused_ = focused;
    RequestRepaint();
}

void TJulianCalendar::SetLocaleNames(const LocaleNames& names) {
    names_ = names;
    RequestRepaint();
}

void TJulianCalendar::RequestRepaint() {
    if (OnRepaintRequest) OnRepaintRequest();
}

}  // namespace tessarine
