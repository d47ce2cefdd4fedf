// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace tessarine {

// The program asks for its fonts by name ("MS Sans Serif" on screen, "Arial"
// in print). Gives both names a real installed sans-serif face, so that text
// never comes out blank or in an arbitrary face. Call once, after the
// application object exists and before any window is made.
void SetUpFontSubstitutes();

// The windows' font: "MS Sans Serif" at a size in pixels, which the sizes of
// the controls are made for.
QFont ScreenFont(int pixelSize, bool bold = false);

}  // namespace tessarine
