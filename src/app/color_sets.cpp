// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/color_sets.h"

namespace tessarine {
namespace {

// Named palette colours the table below uses (0x00BBGGRR).
constexpr Color kSkyBlue = 0xF0CAA6;
constexpr Color kNavy = 0x800000;
constexpr Color kTeal = 0x808000;
constexpr Color kSilver = 0xC0C0C0;
constexpr Color kYellow = 0x00FFFF;
constexpr Color kPaleYellow = 0xCCFFFF;   // (255, 255, 204)
constexpr Color kLightYellow = 0x80FFFF;  // (255, 255, 128)
constexpr Color kLightGreen = 0x99FFCC;   // (204, 255, 153)
constexpr Color kDarkSlateBlue = 0x804040;
constexpr Color kLightGrey = 0xE8E8E8;

// Slots: background, selected day, day, title band, header face, outline,
// three reserved, bevel top-left, bevel bottom-right. A white top-left bevel
// means flat cells with ellipse headers.
constexpr std::array<ColorSet, kColorSetCount> kColorSets{{
    {{kSkyBlue, kDarkSlateBlue, kWhite, kLightGrey, kLightGrey, kBlack, kPaleYellow, kBlack,
      kPaleYellow, kBlack, kSilver}},
    {{kPaleYellow, kNavy, kLightGreen, kLightYellow, kLightYellow, kBlack, kPaleYellow, kBlack,
      kPaleYellow, kWhite, kWhite}},
    {{kSilver, kTeal, kWhite, kSilver, kTeal, kBlack, kYellow, kBlack, kSilver, kWhite, kWhite}},
}};

}  // namespace

std::string_view ColorSetCaption(std::size_t index) {
    switch (index) {
        case kGreenAndYellowIndex:
            return "Green and Yellow";
        case kSilverAndTealIndex:
            return "Silver and Teal";
        default:
            return "Standard Colors";
    }
}

std::array<ColorSet, kColorSetCount> MakeColorSets() {
    return kColorSets;
}

}  // namespace tessarine
