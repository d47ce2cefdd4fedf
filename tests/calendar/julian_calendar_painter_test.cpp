// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "calendar/contrast.h"
#include "calendar/fixed_color_sets.h"
#include "calendar/julian_calendar.h"
#include "support/recording_canvas.h"

namespace tessarine {
namespace {

using Kind = CanvasCall::Kind;

std::string Hex(Color c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%06X", c);
    return buffer;
}

std::string Box(const Rect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// One line per drawing call, with the state that decides its colours.
std::string DescribeCall(const CanvasCall& c) {
    switch (c.kind) {
        case Kind::FillRect:
            return "Fill " + Box(c.rect) + " brush=" + Hex(c.brush);
        case Kind::TextRect:
            return "Text clip=" + Box(c.rect) + " at=" + std::to_string(c.at.x) + "," +
                   std::to_string(c.at.y) + " '" + c.text + "' " +
                   (c.background == TextBackground::Opaque ? "opaque brush=" + Hex(c.brush)
                                                           : std::string("transparent")) +
                   " text=" + Hex(c.textColor);
        case Kind::Polyline: {
            std::string out = "Line";
            for (const Point& p : c.points) {
                out += " " + std::to_string(p.x) + "," + std::to_string(p.y);
            }
            return out + " pen=" + Hex(c.pen) + "/" + std::to_string(c.penWidth);
        }
        case Kind::Ellipse:
            return "Ellipse " + Box(c.rect) + " brush=" + Hex(c.brush) + " pen=" + Hex(c.pen) +
                   "/" + std::to_string(c.penWidth);
        case Kind::DrawFocusRect:
            return "Focus " + Box(c.rect);
        default:
            return std::string(KindName(c.kind));
    }
}

using Lines = std::vector<std::string>;

constexpr Color kHighlight = 0x6A240A;
constexpr Color kHighlightText = 0xFEFEFE;
constexpr Color kButtonFace = 0xC8D0D4;
constexpr Color kWindowText = 0x111111;

// Paints a grid of 530 x 340 pixels (cells 75 x 48, a 5-pixel strip at the
// right and a 4-pixel strip at the bottom) showing February 2025, whose 1st is
// a Saturday, with the 14th current (column 5, row 3). Characters are 7
// pixels wide and 16 high.
class GridPaintTest : public ::testing::Test {
  protected:
    GridPaintTest() : canvas(7, 16) {
        canvas.SetSysColor(SystemColor::Highlight, kHighlight);
        canvas.SetSysColor(SystemColor::HighlightText, kHighlightText);
        canvas.SetSysColor(SystemColor::ButtonFace, kButtonFace);
        canvas.SetSysColor(SystemColor::WindowText, kWindowText);
        grid.SetGridLineWidth(0);
        grid.Resize(530, 340);
        grid.SetSelectedDate(EncodeDateSerial(2025, 2, 14));
    }

    // Paints and splits the drawing calls into the 49 cells (each begins with
    // the fill of its own rectangle) and what follows them.
    void Paint() {
        canvas.Clear();
        grid.Paint(canvas);
        const std::vector<CanvasCall> drawing = canvas.DrawingCalls();
        std::vector<std::size_t> starts;
        std::size_t pos = 0;
        for (int row = 0; row < 7; ++row) {
            for (int col = 0; col < 7; ++col) {
                const Rect rect = grid.CellRect(col, row);
                while (pos < drawing.size() &&
                       !(drawing[pos].kind == Kind::FillRect && drawing[pos].rect == rect)) {
                    ++pos;
                }
                ASSERT_LT(pos, drawing.size()) << "no fill opens cell " << col << "," << row;
                starts.push_back(pos++);
            }
        }
        ASSERT_EQ(starts.front(), gridLines);
        lines.assign(drawing.begin(), drawing.begin() + static_cast<long>(gridLines));
        cells.clear();
        starts.push_back(drawing.size());
        for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
            cells.emplace_back(drawing.begin() + static_cast<long>(starts[k]),
                               drawing.begin() + static_cast<long>(starts[k + 1]));
        }
        // The strip fills end the last cell's calls.
        tail.clear();
        std::vector<CanvasCall>& last = cells.back();
        while (!last.empty() && last.back().kind == Kind::FillRect &&
               last.back().rect != grid.CellRect(6, 6) &&
               (last.back().rect.right > grid.CellRect(6, 6).right ||
                last.back().rect.bottom > grid.CellRect(6, 6).bottom)) {
            tail.insert(tail.begin(), last.back());
            last.pop_back();
        }
    }

    Lines Cell(int col, int row) const {
        Lines out;
        for (const CanvasCall& c : cells.at(static_cast<std::size_t>(row * 7 + col))) {
            out.push_back(DescribeCall(c));
        }
        return out;
    }

    static Lines Describe(const std::vector<CanvasCall>& calls) {
        Lines out;
        for (const CanvasCall& c : calls) out.push_back(DescribeCall(c));
        return out;
    }

    int Count(Kind kind) const {
        int n = 0;
        for (const CanvasCall& c : canvas.Calls()) n += c.kind == kind ? 1 : 0;
        return n;
    }

    TJulianCalendar grid;
    RecordingCanvas canvas;
    std::size_t gridLines = 0;
    std::vector<CanvasCall> lines;
    std::vector<std::vector<CanvasCall>> cells;
    std::vector<CanvasCall> tail;
};

TEST_F(GridPaintTest, BevelStyleDayOfYearFocused) {
    grid.SetColors(kStandardColors);
    grid.SetFocused(true);
    Paint();

    // The pen a fresh grid starts with.
    ASSERT_GE(canvas.Calls().size(), 2u);
    EXPECT_EQ(canvas.Calls()[0].kind, Kind::SetPenColor);
    EXPECT_EQ(canvas.Calls()[0].color, 0x000000u);
    EXPECT_EQ(canvas.Calls()[1].kind, Kind::SetPenWidth);
    EXPECT_EQ(canvas.Calls()[1].width, 1);

    EXPECT_EQ(Cell(0, 0), (Lines{
                              "Fill 0,0,75,48 brush=C8D0D4",
                              "Fill 0,0,75,48 brush=F0CAA6",
                              "Fill 0,0,75,48 brush=E8E8E8",
                              "Line 1,1 74,1 pen=000000/1",
                              "Line 74,1 74,47 1,47 pen=C0C0C0/1",
                              "Line 1,47 1,1 pen=000000/1",
                              "Text clip=0,0,75,48 at=27,16 'Sun' transparent text=111111",
                          }));
    EXPECT_EQ(Cell(3, 0).back(), "Text clip=225,0,300,48 at=252,16 'Wed' transparent text=111111");

    // Blank: the opaque texts only fill; the bevel is drawn all the same.
    EXPECT_EQ(Cell(0, 1), (Lines{
                              "Fill 0,48,75,96 brush=F0CAA6",
                              "Text clip=0,48,75,96 at=15,50 '' opaque brush=F0CAA6 text=111111",
                              "Text clip=60,74,75,96 at=60,74 '' opaque brush=F0CAA6 text=111111",
                              "Line 1,49 74,49 pen=000000/1",
                              "Line 74,49 74,95 1,95 pen=C0C0C0/1",
                              "Line 1,95 1,49 pen=000000/1",
                          }));

    EXPECT_EQ(Cell(6, 1),
              (Lines{
                  "Fill 450,48,525,96 brush=F0CAA6",
                  "Text clip=450,48,525,96 at=463,50 '1' opaque brush=FFFFFF text=111111",
                  "Text clip=465,74,525,96 at=465,74 '2025 032' opaque brush=FFFFFF text=111111",
                  "Line 450,48 525,48 525,96 450,96 450,48 pen=F0CAA6/2",
                  "Line 451,49 524,49 pen=000000/1",
                  "Line 524,49 524,95 451,95 pen=C0C0C0/1",
                  "Line 451,95 451,49 pen=000000/1",
              }));

    EXPECT_EQ(Cell(5, 3),
              (Lines{
                  "Fill 375,144,450,192 brush=6A240A",
                  "Text clip=375,144,450,192 at=387,146 '14' opaque brush=804040 text=FEFEFE",
                  "Text clip=390,170,450,192 at=390,170 '2025 045' opaque brush=804040 text=FEFEFE",
                  "Line 375,144 450,144 450,192 375,192 375,144 pen=F0CAA6/2",
                  "Line 376,145 449,145 pen=000000/1",
                  "Line 449,145 449,191 376,191 pen=C0C0C0/1",
                  "Line 376,191 376,145 pen=000000/1",
                  "Focus 375,144,450,192",
              }));

    EXPECT_EQ(Describe(tail), (Lines{
                                  "Fill 525,0,530,340 brush=F0CAA6",
                                  "Fill 0,336,525,340 brush=F0CAA6",
                              }));
    EXPECT_EQ(Count(Kind::DrawFocusRect), 1);
}

TEST_F(GridPaintTest, EveryCellIsPreparedInRowOrder) {
    grid.SetColors(kStandardColors);
    grid.SetFocused(true);
    Paint();
    ASSERT_EQ(cells.size(), 49u);
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 7; ++col) {
            const CanvasCall& first = cells[static_cast<std::size_t>(row * 7 + col)].front();
            const bool current = col == 5 && row == 3;
            const Color brush = current ? kHighlight : row == 0 ? kButtonFace : 0xF0CAA6;
            EXPECT_EQ(first.brush, brush) << col << "," << row;
            EXPECT_EQ(first.textColor, current ? kHighlightText : kWindowText) << col << "," << row;
        }
    }
}

TEST_F(GridPaintTest, DarkThemeTextStaysReadableOnEverySet) {
    // A dark theme: near-white window text, and a highlight text as dark as
    // the highlight it was meant for.
    canvas.SetSysColor(SystemColor::WindowText, 0xF0F0F0);
    canvas.SetSysColor(SystemColor::HighlightText, 0x202020);
    for (const ColorSet& set : {kStandardColors, kGreenAndYellowColors, kSilverAndTealColors}) {
        grid.SetColors(set);
        Paint();
        int texts = 0;
        for (const CanvasCall& c : canvas.DrawingCalls()) {
            if (c.kind != Kind::TextRect || c.text.empty()) continue;
            const Color under =
                c.background == TextBackground::Opaque ? c.brush : set[ColorSet::HeaderFaceColor];
            EXPECT_GE(ContrastRatio(c.textColor, under), kReadableContrast)
                << c.text << " on " << Hex(under);
            ++texts;
        }
        EXPECT_EQ(texts, 7 + 2 * 28);  // the weekdays, and each day of February twice
    }
}

// Every call, setters with their values included.
Lines AllCalls(const RecordingCanvas& canvas) {
    Lines out;
    for (const CanvasCall& c : canvas.Calls()) {
        out.push_back(DescribeCall(c) + " " + Hex(c.color) + "/" + std::to_string(c.width));
    }
    return out;
}

bool Overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A day with events gains one dot, in its number's colour, inside the cell
// and clear of both numbers; nothing else of the drawing changes, and
// without events for the shown month every call is as it was.
TEST_F(GridPaintTest, EventMarkOnlyOnDaysWithEvents) {
    struct Case {
        const char* name;
        ColorSet set;
        bool focused;
        int col, row;  // the cell of the day with events
    };
    const Case cases[] = {
        {"standard, current day", kStandardColors, true, 5, 3},
        {"standard, the 1st", kStandardColors, true, 6, 1},
        {"green and yellow, unfocused current day", kGreenAndYellowColors, false, 5, 3},
        {"silver and teal, last day", kSilverAndTealColors, true, 5, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        grid.SetColors(c.set);
        grid.SetFocused(c.focused);
        grid.SetEventLines(0, 0, {});
        canvas.SetState(0xFFFFFF, 0, 1, 0);
        Paint();
        const Lines plain = AllCalls(canvas);
        const Lines plainDrawing = Describe(canvas.DrawingCalls());
        const std::vector<CanvasCall> plainCell =
            cells.at(static_cast<std::size_t>(c.row * 7 + c.col));

        // Events of another month, and a month of days without any.
        std::vector<std::vector<std::string>> days(28);
        days[0] = {"New Year"};
        grid.SetEventLines(2025, 1, days);
        canvas.SetState(0xFFFFFF, 0, 1, 0);
        Paint();
        EXPECT_EQ(AllCalls(canvas), plain);
        grid.SetEventLines(2025, 2, std::vector<std::vector<std::string>>(28));
        canvas.SetState(0xFFFFFF, 0, 1, 0);
        Paint();
        EXPECT_EQ(AllCalls(canvas), plain);

        days.assign(28, {});
        days[static_cast<std::size_t>(grid.CellDay(c.col, c.row) - 1)] = {"09:00 Dentist"};
        grid.SetEventLines(2025, 2, days);
        canvas.SetState(0xFFFFFF, 0, 1, 0);
        Paint();
        std::vector<CanvasCall> marked = cells.at(static_cast<std::size_t>(c.row * 7 + c.col));
        const auto isDot = [](const CanvasCall& call) { return call.kind == Kind::Ellipse; };
        ASSERT_EQ(std::count_if(marked.begin(), marked.end(), isDot), 1);
        const CanvasCall dot = *std::find_if(marked.begin(), marked.end(), isDot);
        std::erase_if(marked, isDot);
        EXPECT_EQ(Describe(marked), Describe(plainCell));
        const Rect cell = grid.CellRect(c.col, c.row);
        EXPECT_TRUE(dot.rect.left >= cell.left && dot.rect.top >= cell.top &&
                    dot.rect.right <= cell.right && dot.rect.bottom <= cell.bottom);
        EXPECT_GE(dot.rect.Width(), 5);
        for (const CanvasCall& text : plainCell) {
            if (text.kind != Kind::TextRect || text.text.empty()) continue;
            EXPECT_EQ(dot.brush, text.textColor);
            EXPECT_EQ(dot.pen, text.textColor);
            const Rect glyphs{text.at.x, text.at.y,
                              text.at.x + 7 * static_cast<int>(text.text.size()), text.at.y + 16};
            EXPECT_FALSE(Overlaps(dot.rect, glyphs)) << text.text;
        }
        // Every other cell is drawn as before.
        Lines drawn = Describe(canvas.DrawingCalls());
        std::erase(drawn, DescribeCall(dot));
        EXPECT_EQ(drawn, plainDrawing);
    }
}

TEST_F(GridPaintTest, EllipseStyleJulianDayUnfocused) {
    grid.SetColors(kGreenAndYellowColors);
    grid.SetShowJulianDayNumber(true);
    Paint();

    EXPECT_EQ(Cell(0, 0), (Lines{
                              "Fill 0,0,75,48 brush=C8D0D4",
                              "Fill 0,0,75,48 brush=CCFFFF",
                              "Fill 0,0,75,48 brush=CCFFFF",
                              "Ellipse 4,2,71,46 brush=80FFFF pen=000000/1",
                              "Text clip=0,0,75,48 at=27,16 'Sun' transparent text=111111",
                          }));

    // The current cell of an unfocused grid: still the selected-day colour
    // under the highlight text, but no focus outline.
    EXPECT_EQ(Cell(5, 3),
              (Lines{
                  "Fill 375,144,450,192 brush=6A240A",
                  "Text clip=375,144,450,192 at=387,146 '14' opaque brush=800000 text=FEFEFE",
                  "Text clip=395,170,450,192 at=395,170 '2460721' opaque brush=800000 text=FEFEFE",
                  "Line 375,144 450,144 450,192 375,192 375,144 pen=CCFFFF/2",
              }));
    EXPECT_EQ(Cell(0, 6),
              (Lines{
                  "Fill 0,288,75,336 brush=CCFFFF",
                  "Text clip=0,288,75,336 at=15,290 '' opaque brush=CCFFFF text=111111",
                  "Text clip=60,314,75,336 at=60,314 '' opaque brush=CCFFFF text=111111",
              }));
    EXPECT_EQ(Count(Kind::DrawFocusRect), 0);
    EXPECT_EQ(Count(Kind::Ellipse), 7);
    // Only the day-cell outlines: no bevels.
    for (const CanvasCall& c : canvas.Calls()) {
        if (c.kind == Kind::Polyline) {
            EXPECT_EQ(c.penWidth, 2);
        }
    }
}

TEST_F(GridPaintTest, HeaderEllipseTakesThePenTheLastPaintLeft) {
    ColorSet outlined = kGreenAndYellowColors;
    outlined[ColorSet::OutlineColor] = 0x123456;
    grid.SetColors(outlined);
    Paint();
    EXPECT_EQ(Cell(0, 0)[3], "Ellipse 4,2,71,46 brush=80FFFF pen=000000/1");
    Paint();
    EXPECT_EQ(Cell(0, 0)[3], "Ellipse 4,2,71,46 brush=80FFFF pen=123456/1");

    // After a paint in a bevel style the last cell (blank, bevelled) leaves
    // the bevel's top-left pen.
    ColorSet bevelled = kStandardColors;
    bevelled[ColorSet::BevelTopLeftColor] = 0x0000FF;
    grid.SetColors(bevelled);
    Paint();
    grid.SetColors(kSilverAndTealColors);
    Paint();
    EXPECT_EQ(Cell(0, 0)[3], "Ellipse 4,2,71,46 brush=808000 pen=0000FF/1");
}

TEST_F(GridPaintTest, ShowNoneDrawsOnlyTheDayNumber) {
    grid.SetColors(kSilverAndTealColors);
    grid.SetShowNone(true);
    grid.SetShowJulianDayNumber(true);  // Show None wins
    grid.SetFocused(true);
    Paint();

    EXPECT_EQ(Cell(6, 1),
              (Lines{
                  "Fill 450,48,525,96 brush=C0C0C0",
                  "Text clip=450,48,525,96 at=463,50 '1' opaque brush=FFFFFF text=111111",
                  "Line 450,48 525,48 525,96 450,96 450,48 pen=C0C0C0/2",
              }));
    EXPECT_EQ(Cell(5, 3),
              (Lines{
                  "Fill 375,144,450,192 brush=6A240A",
                  "Text clip=375,144,450,192 at=387,146 '14' opaque brush=808000 text=FEFEFE",
                  "Line 375,144 450,144 450,192 375,192 375,144 pen=C0C0C0/2",
                  "Focus 375,144,450,192",
              }));
    EXPECT_EQ(Cell(0, 1), (Lines{
                              "Fill 0,48,75,96 brush=C0C0C0",
                              "Text clip=0,48,75,96 at=15,50 '' opaque brush=C0C0C0 text=111111",
                          }));
    EXPECT_EQ(Cell(2, 0)[3], "Ellipse 154,2,221,46 brush=808000 pen=000000/1");
}

TEST_F(GridPaintTest, TextWiderThanItsCellTruncatesTowardZero) {
    grid.SetColors(kStandardColors);
    grid.Resize(70, 70);  // cells 10 x 10
    Paint();
    // (10 - 21) div 2 = -5 and (10 - 16) div 2 = -3, not -6 and -3.
    EXPECT_EQ(Cell(0, 0).back(), "Text clip=0,0,10,10 at=-5,-3 'Sun' transparent text=111111");
    // 4 * (10 - 56) div 5 = -36, not -37.
    EXPECT_EQ(Cell(6, 1)[2],
              "Text clip=24,17,70,20 at=24,17 '2025 032' opaque brush=FFFFFF text=111111");
}

TEST_F(GridPaintTest, GridLinesWhenTheWidthIsNotZero) {
    grid.SetColors(kGreenAndYellowColors);
    grid.SetGridLineWidth(1);  // cells (530 - 6) div 7 = 74 by (340 - 6) div 7 = 47
    gridLines = 12;
    Paint();
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(DescribeCall(lines.front()), "Fill 74,0,75,335 brush=C0C0C0");
    EXPECT_EQ(DescribeCall(lines.back()), "Fill 0,287,524,288 brush=C0C0C0");
    EXPECT_EQ(Cell(1, 1).front(), "Fill 75,48,149,95 brush=CCFFFF");
    EXPECT_EQ(Describe(tail), (Lines{
                                  "Fill 524,0,530,340 brush=CCFFFF",
                                  "Fill 0,335,524,340 brush=CCFFFF",
                              }));
}

TEST_F(GridPaintTest, NoStripWhenTheSizeDividesBySeven) {
    grid.SetColors(kStandardColors);
    grid.Resize(525, 336);
    Paint();
    EXPECT_TRUE(tail.empty());
    EXPECT_EQ(cells.back().back().kind, Kind::Polyline);  // the last bevel line
}

}  // namespace
}  // namespace tessarine
