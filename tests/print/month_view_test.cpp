// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/month_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "support/recording_print_device.h"

namespace tessarine {
namespace {

using Kind = RecordedPrintCall::Kind;

struct DisplayMode {
    bool julian = false;
    bool none = false;
};

// Prints one Month View page on a recording Letter printer (600 dpi, strips
// as configured) and gives the geometry back in inches.
class MonthViewTest : public ::testing::Test {
  protected:
    void Print(DateSerial pageDate, DisplayMode mode = {}, int wide = 0,
               LocaleNames names = EnglishLocaleNames()) {
        printer_ = std::make_unique<RecordingPrinter>(config_);
        PrintJobState job{pageDate, 0, 0};
        PrintMonthView(
            job,
            PrintEnvironment{
                printer_->Factory(), nullptr, mode.julian, mode.none, std::move(names), {}},
            wide);
        const PrintStrips strips = wide == 0
                                       ? config_.strips
                                       : PrintStrips{config_.strips.top, config_.strips.right,
                                                     config_.strips.bottom, config_.strips.left};
        const double sheetW = (wide == 0 ? config_.sheet.width : config_.sheet.height) / 600.0;
        const double sheetH = (wide == 0 ? config_.sheet.height : config_.sheet.width) / 600.0;
        left_ = strips.left;
        top_ = strips.top;
        L_ = std::max(0.75, strips.left / 600.0);
        T_ = std::max(0.75, strips.top / 600.0);
        P_ = (sheetW - L_ - std::max(0.75, strips.right / 600.0)) / 7;
        Q_ = (sheetH - T_ - std::max(0.75, strips.bottom / 600.0)) / 7;
    }

    const PrintRecording& Recording() const { return printer_->Recording(); }
    // Sheet inches of a canvas pixel.
    double XIn(int canvasX) const { return (canvasX + left_) / 600.0; }
    double YIn(int canvasY) const { return (canvasY + top_) / 600.0; }

    // Column and week row of the cell whose day number is this text.
    std::pair<int, int> CellOfDay(const std::string& day) const {
        for (const RecordedPrintCall& t : Recording().Texts()) {
            if (t.text == day && t.font.points == 14 && YIn(t.y1) > T_ + Q_) {
                return {static_cast<int>(std::floor((XIn(t.x1) - L_) / P_)),
                        static_cast<int>(std::floor((YIn(t.y1) - T_) / Q_))};
            }
        }
        return {-1, -1};
    }

    std::map<std::string, RecordedPrintCall> SecondLines() const {
        std::map<std::string, RecordedPrintCall> lines;
        for (const RecordedPrintCall& t : Recording().Texts()) {
            if (t.font == PrintFont{"Arial", 10, kFontPlain}) {
                lines.emplace(t.text, t);
            }
        }
        return lines;
    }

    RecordingPrinterConfig config_;
    std::unique_ptr<RecordingPrinter> printer_;
    int left_ = 0, top_ = 0;
    double L_ = 0, T_ = 0, P_ = 0, Q_ = 0;
};

TEST_F(MonthViewTest, FebruaryTwentyFifteenFillsFourRowsExactly) {
    Print(EncodeDateSerial(2015, 2, 1));
    EXPECT_EQ(CellOfDay("1"), std::make_pair(0, 1));
    EXPECT_EQ(CellOfDay("7"), std::make_pair(6, 1));
    EXPECT_EQ(CellOfDay("28"), std::make_pair(6, 4));
    EXPECT_EQ(CellOfDay("29"), std::make_pair(-1, -1));

    // The header band and all 42 cells are framed with a 4-pixel pen, white.
    const auto boxes = Recording().Rectangles();
    ASSERT_EQ(boxes.size(), 43u);
    for (const RecordedPrintCall& box : boxes) {
        EXPECT_EQ(box.penWidth, 4);
        EXPECT_EQ(box.gray, 255);
    }
    EXPECT_NEAR(XIn(boxes[0].x1), L_, 0.002);
    EXPECT_NEAR(XIn(boxes[0].x2), L_ + 7 * P_, 0.002);
    EXPECT_NEAR(YIn(boxes[0].y2), T_ + Q_, 0.002);
    // Cells go column by column, top to bottom: the last is column 6, row 6.
    EXPECT_NEAR(XIn(boxes[42].x1), L_ + 6 * P_, 0.002);
    EXPECT_NEAR(YIn(boxes[42].y1), T_ + 6 * Q_, 0.002);
    EXPECT_NEAR(YIn(boxes[42].y2), T_ + 7 * Q_, 0.002);

    // Day-of-year labels end at the cell's bottom-right corner less 0.02.
    const auto lines = SecondLines();
    ASSERT_EQ(lines.size(), 28u);
    const RecordedPrintCall& first = lines.at("2015 32");
    EXPECT_NEAR(XIn(first.x2), L_ + P_ - 0.02, 0.002);
    EXPECT_NEAR(YIn(first.y2), T_ + 2 * Q_ - 0.02, 0.002);
    EXPECT_TRUE(lines.contains("2015 59"));
}

TEST_F(MonthViewTest, MarchTwentyTwentyFiveStartsOnSaturday) {
    Print(EncodeDateSerial(2025, 3, 1));
    EXPECT_EQ(CellOfDay("1"), std::make_pair(6, 1));
    EXPECT_EQ(CellOfDay("2"), std::make_pair(0, 2));
    EXPECT_EQ(CellOfDay("31"), std::make_pair(1, 6));
    EXPECT_TRUE(Recording().FindText("March 2025").has_value());

    const auto day = Recording().FindText("1");
    ASSERT_TRUE(day.has_value());
    EXPECT_NEAR(XIn(day->x1), L_ + 6 * P_ + 0.02, 0.002);
    EXPECT_NEAR(YIn(day->y1), T_ + Q_ + 0.02, 0.002);
}

TEST_F(MonthViewTest, JulianDayNumbersAndDayOfYearInTheCornerLabel) {
    Print(EncodeDateSerial(2000, 1, 1), DisplayMode{true, false});
    EXPECT_EQ(CellOfDay("1"), std::make_pair(6, 1));  // a Saturday
    auto lines = SecondLines();
    ASSERT_EQ(lines.size(), 31u);
    ASSERT_TRUE(lines.contains("2451545"));
    EXPECT_TRUE(lines.contains("2451575"));  // January 31
    const RecordedPrintCall& jdn = lines.at("2451545");
    EXPECT_NEAR(XIn(jdn.x2), L_ + 7 * P_ - 0.02, 0.002);
    EXPECT_NEAR(YIn(jdn.y2), T_ + 2 * Q_ - 0.02, 0.002);

    Print(EncodeDateSerial(2024, 12, 1));
    lines = SecondLines();
    EXPECT_TRUE(lines.contains("2024 366"));
    EXPECT_TRUE(lines.contains("2024 336"));
    EXPECT_EQ(CellOfDay("31"), std::make_pair(2, 5));

    Print(EncodeDateSerial(2024, 2, 1));
    EXPECT_TRUE(SecondLines().contains("2024 60"));  // 29 February, no leading zero
}

TEST_F(MonthViewTest, ShowNoneLeavesOnlyTheDayOfTheMonth) {
    Print(EncodeDateSerial(2024, 2, 1), DisplayMode{true, true});
    EXPECT_TRUE(SecondLines().empty());
    EXPECT_EQ(CellOfDay("29"), std::make_pair(4, 5));
}

TEST_F(MonthViewTest, HeaderUsesTheLocaleNamesAndTheFontsOfEachText) {
    LocaleNames names;
    names.longMonthNames[5] = "juin";
    names.shortDayNames = {"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."};
    Print(EncodeDateSerial(2026, 6, 1), {}, 0, names);

    const auto title = Recording().FindText("juin 2026");
    ASSERT_TRUE(title.has_value());
    EXPECT_EQ(title->font, (PrintFont{"Arial", 18, kFontBold}));
    EXPECT_NEAR(YIn(title->y1), T_ + 0.02, 0.002);
    for (int i = 0; i < 7; ++i) {
        const auto name = Recording().FindText(names.shortDayNames[static_cast<std::size_t>(i)]);
        ASSERT_TRUE(name.has_value()) << i;
        EXPECT_EQ(name->font, (PrintFont{"Arial", 14, kFontPlain}));
        EXPECT_NEAR((XIn(name->x1) + XIn(name->x2)) / 2, L_ + i * P_ + P_ / 2, 0.002);
        EXPECT_NEAR(YIn(name->y2), T_ + Q_ - 0.02, 0.002);
    }
    const auto footer = Recording().FindText("Month View");
    ASSERT_TRUE(footer.has_value());
    EXPECT_NEAR(XIn(footer->x1), L_, 0.002);
    EXPECT_NEAR(YIn(footer->y1), T_ + 7 * Q_ + 0.02, 0.002);
    EXPECT_EQ(Recording().DocumentsEnded(), 1);
}

TEST_F(MonthViewTest, TitleCentresOnThePrintableAreaNotTheGrid) {
    config_.strips = {120, 150, 300, 150};  // unequal sides, both under 0.75 inch
    Print(EncodeDateSerial(2025, 3, 1));
    const auto title = Recording().FindText("March 2025");
    ASSERT_TRUE(title.has_value());
    const double titleCentre = (XIn(title->x1) + XIn(title->x2)) / 2;
    const double gridCentre = L_ + 3.5 * P_;
    EXPECT_NEAR(titleCentre - gridCentre, (120 - 300) / 600.0 / 2, 0.002);

    config_.strips = {450, 150, 450, 150};  // margins equal to the strips
    Print(EncodeDateSerial(2025, 3, 1));
    const auto centred = Recording().FindText("March 2025");
    ASSERT_TRUE(centred.has_value());
    EXPECT_NEAR((XIn(centred->x1) + XIn(centred->x2)) / 2, L_ + 3.5 * P_, 0.002);
}

TEST_F(MonthViewTest, WideFormTurnsTheSheetAndWidensTheCells) {
    Print(EncodeDateSerial(2025, 3, 1), {}, 1);
    const auto begin = Recording().Of(Kind::BeginDocument);
    ASSERT_EQ(begin.size(), 1u);
    EXPECT_EQ(begin[0].orientation, PageOrientation::Landscape);
    EXPECT_GT(P_, Q_);
    const auto boxes = Recording().Rectangles();
    ASSERT_EQ(boxes.size(), 43u);
    EXPECT_GT(boxes[1].x2 - boxes[1].x1, boxes[1].y2 - boxes[1].y1);
    EXPECT_NEAR(XIn(boxes[42].x2), 11.0 - 0.75, 0.002);
    EXPECT_NEAR(YIn(boxes[42].y2), 8.5 - 0.75, 0.002);
    EXPECT_EQ(CellOfDay("31"), std::make_pair(1, 6));
}

}  // namespace
}  // namespace tessarine
