// SPDX-License-Identifier: GPL-3.0-or-later
// The cell drawing of the month grid.

#include <algorithm>

#include "calendar/contrast.h"
#include "calendar/julian_calendar.h"

namespace tessarine {

namespace {

// Lines between cells when the grid has any; the owner normally sets the
// width to 0 and no line is drawn.
constexpr Color kGridLineColor = kSilver;

int TextWidth(Canvas& canvas, const std::string& text) {
    return text.empty() ? 0 : canvas.TextExtent(text).width;
}

}  // namespace

void TJulianCalendar::SetPen(Canvas& canvas, Color color, int width) {
    canvas.SetPenColor(color);
    canvas.SetPenWidth(width);
    penColor_ = color;
    penWidth_ = width;
}

void TJulianCalendar::Paint(Canvas& canvas) {
    // The pen the previous paint left is still selected.
    canvas.SetPenColor(penColor_);
    canvas.SetPenWidth(penWidth_);

    if (gridLineWidth_ > 0) DrawGridLines(canvas);

    for (int row = 0; row < kRowCount; ++row) {
        for (int col = 0; col < kColCount; ++col) {
            const Rect rect = CellRect(col, row);
            CellState state;
            state.fixed = row < kFixedRows;
            state.selected = col == col_ && row == row_;
            state.focused = state.selected && focused_;

            // The per-cell preparation: font colour, brush and a plain fill.
            // The text lies on the set's colours, not the system's, so the
            // system colour stays only where it reads on them.
            const Color textBackground = colors_[state.fixed      ? ColorSet::HeaderFaceColor
                                                 : state.selected ? ColorSet::SelectedDayColor
                                                                  : ColorSet::DayColor];
            canvas.SetTextColor(ReadableTextColor(
                textBackground, canvas.SysColor(state.selected ? SystemColor::HighlightText
                                                               : SystemColor::WindowText)));
            if (state.selected) {
                canvas.SetBrushColor(canvas.SysColor(SystemColor::Highlight));
            } else if (state.fixed) {
                canvas.SetBrushColor(canvas.SysColor(SystemColor::ButtonFace));
            } else {
                canvas.SetBrushColor(BackgroundColor());
            }
            canvas.FillRect(rect);

            DrawCell(canvas, col, row, rect, state);

            if (state.focused) canvas.DrawFocusRect(rect);
        }
    }

    // What the cells leave uncovered right of and below them.
    const int cellsRight = kColCount * colWidth_ + (kColCount - 1) * gridLineWidth_;
    const int cellsBottom = kRowCount * rowHeight_ + (kRowCount - 1) * gridLineWidth_;
    canvas.SetBrushColor(BackgroundColor());
    if (cellsRight < clientWidth_) canvas.FillRect({cellsRight, 0, clientWidth_, clientHeight_});
    if (cellsBottom < clientHeight_) canvas.FillRect({0, cellsBottom, cellsRight, clientHeight_});
}

void TJulianCalendar::DrawGridLines(Canvas& canvas) {
    const int cellsRight = kColCount * colWidth_ + (kColCount - 1) * gridLineWidth_;
    const int cellsBottom = kRowCount * rowHeight_ + (kRowCount - 1) * gridLineWidth_;
    canvas.SetBrushColor(kGridLineColor);
    for (int col = 0; col + 1 < kColCount; ++col) {
        const int x = CellRect(col, 0).right;
        canvas.FillRect({x, 0, x + gridLineWidth_, cellsBottom});
    }
    for (int row = 0; row + 1 < kRowCount; ++row) {
        const int y = CellRect(0, row).bottom;
        canvas.FillRect({0, y, cellsRight, y + gridLineWidth_});
    }
}

void TJulianCalendar::DrawCell(Canvas& canvas, int col, int row, const Rect& rect,
                               CellState state) {
    if (row < kFixedRows) {
        DrawHeaderCell(canvas, col, rect);
    } else {
        DrawWeekCell(canvas, col, row, rect, state);
    }
}

void TJulianCalendar::DrawBevel(Canvas& canvas, const Rect& r) {
    const Color topLeft = colors_[ColorSet::BevelTopLeftColor];
    const Color bottomRight = colors_[ColorSet::BevelBottomRightColor];
    SetPen(canvas, topLeft, 1);
    canvas.Polyline({{r.left + 1, r.top + 1}, {r.right - 1, r.top + 1}});
    SetPen(canvas, bottomRight, 1);
    canvas.Polyline(
        {{r.right - 1, r.top + 1}, {r.right - 1, r.bottom - 1}, {r.left + 1, r.bottom - 1}});
    SetPen(canvas, topLeft, 1);
    canvas.Polyline({{r.left + 1, r.bottom - 1}, {r.left + 1, r.top + 1}});
}

void TJulianCalendar::DrawHeaderCell(Canvas& canvas, int col, const Rect& r) {
    const Color background = colors_[ColorSet::BackgroundColor];
    const Color face = colors_[ColorSet::HeaderFaceColor];

    canvas.SetBrushColor(background);
    canvas.FillRect(r);
    if (colors_[ColorSet::BevelTopLeftColor] != kWhite) {
        canvas.SetBrushColor(face);
        canvas.FillRect(r);
        DrawBevel(canvas, r);
    } else {
        canvas.SetBrushColor(background);
        canvas.FillRect(r);
        canvas.SetBrushColor(face);
        // Outlined with whatever pen the earlier drawing left selected.
        canvas.Ellipse({r.left + 4, r.top + 2, r.right - 4, r.bottom - 2});
    }
    canvas.SetBrushColor(background);

    const std::string name = CellCaption(col, 0);
    const TextSize size = name.empty() ? TextSize{} : canvas.TextExtent(name);
    const int x = r.left + (r.Width() - size.width) / 2;
    const int y = r.top + (r.Height() - size.height) / 2;
    canvas.TextRect(r, x, y, name, TextBackground::Transparent);
}

void TJulianCalendar::DrawWeekCell(Canvas& canvas, int col, int row, const Rect& r,
                                   CellState state) {
    const std::string dayText = CellCaption(col, row);
    if (!dayText.empty()) {
        // The current day keeps its colour without the focus too: in the day
        // colour its highlight-coloured text would vanish (white on white).
        canvas.SetBrushColor(
            colors_[state.selected ? ColorSet::SelectedDayColor : ColorSet::DayColor]);
    }
    // Opaque: this fills the whole cell with the brush, blank cells included.
    canvas.TextRect(r, r.left + (r.Width() - TextWidth(canvas, dayText)) / 5, r.top + 2, dayText,
                    TextBackground::Opaque);

    const int half = r.Height() / 2 + 2;
    std::string last = dayText;
    if (!showNone_) {
        const std::string numberText = DayNumberCaption(col, row);
        const int x = r.left + (4 * (r.Width() - TextWidth(canvas, numberText))) / 5;
        const int y = r.top + half;
        canvas.TextRect({x, y, r.right, r.bottom}, x, y, numberText, TextBackground::Opaque);
        last = numberText;
    }

    if (!last.empty()) {
        // A band of background between neighbouring day cells.
        SetPen(canvas, colors_[ColorSet::BackgroundColor], 2);
        canvas.Polyline({{r.left, r.top},
                         {r.right, r.top},
                         {r.right, r.bottom},
                         {r.left, r.bottom},
                         {r.left, r.top}});
        SetPen(canvas, colors_[ColorSet::OutlineColor], 1);
    }

    if (colors_[ColorSet::BevelTopLeftColor] != kWhite) DrawBevel(canvas, r);

    if (!EventLines(col, row).empty()) {
        // In the day number's own colour, which already reads on the cell in
        // every set and theme.
        const Color cell =
            colors_[state.selected ? ColorSet::SelectedDayColor : ColorSet::DayColor];
        DrawEventMark(
            canvas, r,
            ReadableTextColor(cell, canvas.SysColor(state.selected ? SystemColor::HighlightText
                                                                   : SystemColor::WindowText)));
    }
}

void TJulianCalendar::DrawEventMark(Canvas& canvas, const Rect& r, Color color) {
    // Grows with the cell, so that it stays as visible on a large window;
    // the corner it sits in is left free by both numbers.
    const int size = std::clamp(std::min(r.Width(), r.Height()) / 7, 5, 9);
    const int inset = 5;
    const Color pen = penColor_;
    const int penWidth = penWidth_;
    canvas.SetBrushColor(color);
    SetPen(canvas, color, 1);
    canvas.Ellipse({r.right - inset - size, r.top + inset, r.right - inset, r.top + inset + size});
    // Later drawing finds the pen as the cell left it.
    SetPen(canvas, pen, penWidth);
}

}  // namespace tessarine
