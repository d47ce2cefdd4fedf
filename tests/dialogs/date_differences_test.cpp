// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/date_differences.h"

#include <gtest/gtest.h>

#include "support/test_dates.h"

namespace tessarine {
namespace {

using Texts = std::array<std::array<std::string, 3>, 3>;

Texts CellTexts(const DateDifferenceTable& table) {
    Texts texts;
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) texts[i][j] = table.cells[i][j].text;
    }
    return texts;
}

TEST(DateDifferencesTest, RowDateMinusColumnDate) {
    const DateDifferenceTable table =
        ComputeDateDifferences(Date(2024, 1, 1), Date(2024, 3, 1), Date(2023, 12, 25));
    EXPECT_EQ(CellTexts(table),
              (Texts{{{"0", "-60", "7"}, {"60", "0", "67"}, {"-7", "-67", "0"}}}));
    EXPECT_EQ(table.days[0][1], -60);
    EXPECT_EQ(table.days[2][1], -67);
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) EXPECT_EQ(table.days[i][j], -table.days[j][i]);
    }
}

TEST(DateDifferencesTest, HeadersShowEachMarkOnItsRowAndColumn) {
    const DateDifferenceTable table =
        ComputeDateDifferences(Date(2024, 2, 9), Date(1582, 1, 1), Date(3000, 12, 31));
    const std::array<std::string, 3> expected{"2024-02-09", "1582-01-01", "3000-12-31"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(table.rowHeaders[i].text, expected[i]);
        EXPECT_EQ(table.columnHeaders[i].text, expected[i]);
    }
}

TEST(DateDifferencesTest, FullSpanIsAPlainNumber) {
    const DateDifferenceTable table =
        ComputeDateDifferences(Date(1582, 1, 1), Date(3000, 12, 31), Date(1582, 1, 1));
    EXPECT_EQ(table.cells[1][0].text, "518278");
    EXPECT_EQ(table.cells[0][1].text, "-518278");
    EXPECT_EQ(table.cells[2][0].text, "0");  // equal marks
    EXPECT_EQ(table.cells[0][2].text, "0");
}

TEST(DateDifferencesTest, EqualMarksGiveZerosEverywhere) {
    const DateSerial today = Date(2024, 2, 9);
    const DateDifferenceTable table = ComputeDateDifferences(today, today, today);
    EXPECT_EQ(CellTexts(table), (Texts{{{"0", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}}}));
}

TEST(DateDifferencesTest, HeadersUseTheHeaderFaceAndCellsTheDayColour) {
    const DateDifferenceTable table =
        ComputeDateDifferences(Date(2024, 1, 1), Date(2024, 3, 1), Date(2023, 12, 25));
    EXPECT_EQ(table.backgroundSlot, ColorSet::BackgroundColor);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(table.rowHeaders[i].colorSlot, ColorSet::HeaderFaceColor);
        EXPECT_EQ(table.columnHeaders[i].colorSlot, ColorSet::HeaderFaceColor);
        for (std::size_t j = 0; j < 3; ++j) {
            EXPECT_EQ(table.cells[i][j].colorSlot, ColorSet::DayColor);
        }
    }
}

}  // namespace
}  // namespace tessarine
