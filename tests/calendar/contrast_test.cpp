// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/contrast.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tessarine {
namespace {

TEST(ContrastTest, ReadableTextColorKeepsWhatReadsAndOtherwiseTakesTheBetterExtreme) {
    struct Case {
        Color background;
        Color preferred;
        Color expected;
    };
    // Colours are 0x00BBGGRR.
    const Case cases[] = {
        {kWhite, 0xF0F0F0, kBlack},      // a dark theme's text on a white cell
        {0xE8E8E8, 0xF0F0F0, kBlack},    // ... on the light grey band
        {0xC0C0C0, 0xEEEEEE, kBlack},    // ... on silver
        {kWhite, 0x111111, 0x111111},    // a light theme's text is kept
        {0x800000, 0xFFFFFF, 0xFFFFFF},  // highlight text on navy is kept
        {0x800000, 0x202020, kWhite},    // a dark highlight text on navy is not
        {0x808000, 0x00FFFF, kWhite},    // yellow on teal falls just short: 4.4
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReadableTextColor(c.background, c.preferred), c.expected)
            << std::hex << c.background << " " << c.preferred;
    }
    EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
    // Every grey's luminance is the sRGB formula's, power function and all.
    for (int level = 0; level < 256; ++level) {
        const double c = level / 255.0;
        const double expected = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        const auto grey = static_cast<Color>(level * 0x010101);
        EXPECT_NEAR(RelativeLuminance(grey), expected, 1e-14) << level;
    }
    EXPECT_DOUBLE_EQ(ContrastRatio(0x808000, 0x808000), 1.0);
}

TEST(ContrastTest, ReadableTintKeepsTheHueAndShadesItOnlyAsFarAsNeeded) {
    enum class Shade { Kept, Darker, Lighter };
    struct Case {
        Color face;
        Color preferred;
        Shade shade;
    };
    // Colours are 0x00BBGGRR.
    const Case cases[] = {
        {kBlack, kRed, Shade::Kept},       // 5.3 on black
        {kWhite, 0x0000C0, Shade::Kept},   // a deep red on a white button
        {0xEFEFEF, kRed, Shade::Darker},   // a light theme's button: 3.5
        {0x808080, kRed, Shade::Darker},   // mid grey: black reads better
        {0x353535, kRed, Shade::Lighter},  // a dark theme's button: 3.1
        {0x505050, kRed, Shade::Lighter},  // ... hovered: 2.0
    };
    for (const Case& c : cases) {
        const Color tint = ReadableTint(c.face, c.preferred);
        SCOPED_TRACE(testing::Message() << std::hex << c.face << " " << tint);
        EXPECT_GE(ContrastRatio(c.face, tint), kReadableContrast);
        EXPECT_EQ(tint == c.preferred, c.shade == Shade::Kept);
        // Still red: no grey, no black or white.
        EXPECT_EQ(GreenOf(tint), BlueOf(tint));
        EXPECT_GT(RedOf(tint), GreenOf(tint));
        if (c.shade == Shade::Darker) {
            EXPECT_LT(RedOf(tint), RedOf(c.preferred));
            // Only as far as needed: one step back towards the red fails.
            const Color lessDark = RgbColor(RedOf(tint) + 1, 0, 0);
            EXPECT_LT(ContrastRatio(c.face, lessDark), kReadableContrast);
        }
        if (c.shade == Shade::Lighter) {
            EXPECT_GT(GreenOf(tint), GreenOf(c.preferred));
            const auto lessLight = static_cast<std::uint8_t>(GreenOf(tint) - 1);
            EXPECT_LT(ContrastRatio(c.face, RgbColor(0xFF, lessLight, lessLight)),
                      kReadableContrast);
        }
    }
}

}  // namespace
}  // namespace tessarine
