// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/color_sets.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

// The sets as people describe them, in red-green-blue terms, so a slip in
// the 0x00BBGGRR byte order shows.
TEST(ColorSetsTest, ColoursReadAsTheirRgbDescriptions) {
    const auto sets = MakeColorSets();
    const ColorSet& standard = sets[kStandardColorsIndex];
    const ColorSet& green = sets[kGreenAndYellowIndex];
    const ColorSet& silver = sets[kSilverAndTealIndex];

    EXPECT_EQ(standard[ColorSet::BackgroundColor], RgbColor(0xA6, 0xCA, 0xF0));  // sky blue
    EXPECT_EQ(standard[ColorSet::SelectedDayColor], RgbColor(64, 64, 128));      // slate blue
    EXPECT_EQ(standard[ColorSet::HeaderFaceColor], RgbColor(0xE8, 0xE8, 0xE8));
    EXPECT_EQ(green[ColorSet::BackgroundColor], RgbColor(255, 255, 204));  // pale yellow
    EXPECT_EQ(green[ColorSet::SelectedDayColor], RgbColor(0, 0, 128));     // navy
    EXPECT_EQ(green[ColorSet::DayColor], RgbColor(204, 255, 153));         // light green
    EXPECT_EQ(green[ColorSet::TitleBandColor], RgbColor(255, 255, 128));   // light yellow
    EXPECT_EQ(silver[ColorSet::SelectedDayColor], RgbColor(0, 128, 128));  // teal
    EXPECT_EQ(silver[ColorSet::HeaderFaceColor], RgbColor(0, 128, 128));
    EXPECT_EQ(silver[ColorSet::Reserved6], RgbColor(255, 255, 0));  // yellow
    EXPECT_EQ(silver[ColorSet::Reserved8], RgbColor(192, 192, 192));
    for (const ColorSet& set : sets) {
        EXPECT_EQ(set[ColorSet::OutlineColor], kBlack);
        EXPECT_EQ(set[ColorSet::Reserved7], kBlack);
        for (Color c : set.colors) EXPECT_EQ(c >> 24, 0u);
    }
}

// Only the standard set has bevels; a white top-left bevel means flat cells
// and ellipse headers.
TEST(ColorSetsTest, OnlyStandardColorsDrawsBevels) {
    const auto sets = MakeColorSets();
    EXPECT_EQ(sets[0][ColorSet::BevelTopLeftColor], kBlack);
    EXPECT_EQ(sets[0][ColorSet::BevelBottomRightColor], RgbColor(192, 192, 192));
    for (std::size_t i : {kGreenAndYellowIndex, kSilverAndTealIndex}) {
        EXPECT_EQ(sets[i][ColorSet::BevelTopLeftColor], kWhite);
        EXPECT_EQ(sets[i][ColorSet::BevelBottomRightColor], kWhite);
    }
}

TEST(ColorSetsTest, CaptionsFollowTheMenu) {
    EXPECT_EQ(ColorSetCaption(0), "Standard Colors");
    EXPECT_EQ(ColorSetCaption(1), "Green and Yellow");
    EXPECT_EQ(ColorSetCaption(2), "Silver and Teal");
}

}  // namespace
}  // namespace tessarine
