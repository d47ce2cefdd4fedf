// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "calendar/color_set.h"

namespace tessarine {

// The three fixed colour sets, in menu order; the index is the colour-set
// code stored in the settings record.
inline constexpr std::size_t kColorSetCount = 3;

inline constexpr std::size_t kStandardColorsIndex = 0;
inline constexpr std::size_t kGreenAndYellowIndex = 1;
inline constexpr std::size_t kSilverAndTealIndex = 2;

// A set's menu caption in English (an index outside the sets names the
// standard one). Marked for translation in the main window's context; each
// views a whole literal, so data() ends in a NUL.
std::string_view ColorSetCaption(std::size_t index);

// The sets as the main window fills them at start-up.
std::array<ColorSet, kColorSetCount> MakeColorSets();

}  // namespace tessarine
