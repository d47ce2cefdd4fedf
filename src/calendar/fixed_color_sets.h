// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/color_set.h"

namespace tessarine {

// The three fixed colour sets the main window offers. Slots: background,
// selected day, day, title band, header face, outline, three reserved, bevel
// top-left, bevel bottom-right. A white top-left bevel means flat cells with
// ellipse headers.
inline constexpr ColorSet kStandardColors{{kSkyBlue, kDarkSlateBlue, kWhite, kLightGrey, kLightGrey,
                                           kBlack, kPaleYellow, kBlack, kPaleYellow, kBlack,
                                           kSilver}};
inline constexpr ColorSet kGreenAndYellowColors{{kPaleYellow, kNavy, kLightGreen, kLightYellow,
                                                 kLightYellow, kBlack, kPaleYellow, kBlack,
                                                 kPaleYellow, kWhite, kWhite}};
inline constexpr ColorSet kSilverAndTealColors{
    {kSilver, kTeal, kWhite, kSilver, kTeal, kBlack, kYellow, kBlack, kSilver, kWhite, kWhite}};

}  // namespace tessarine
