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

}  // namespace
}  // namespace tessarine
