// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/color_set.h"

namespace tessarine {

// The contrast text needs on its background to read as body text.
inline constexpr double kReadableContrast = 4.5;

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(Color color);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(Color a, Color b);

// Text drawn on the colour sets' fixed backgrounds must not follow a desktop
// theme onto them blindly: a dark theme's near-white text vanishes on white
// cells. The preferred (system) colour is kept when it reads on background;
// otherwise black or white, whichever contrasts more.
Color ReadableTextColor(Color background, Color preferred);

// A caption that speaks by its colour (the red of Cancel) on a theme's button
// face: kept where it reads; otherwise mixed towards black or white, whichever
// contrasts more with the face, just far enough to read, so a red caption
// stays red on light and on dark buttons.
Color ReadableTint(Color background, Color preferred);

}  // namespace tessarine
