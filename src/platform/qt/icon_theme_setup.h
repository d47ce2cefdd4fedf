// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessarine {

// Lets the buttons' glyphs come from the desktop's icon theme. A session
// that names no theme of its own (a bare window manager) looks in the
// standard desktop theme when it is installed. Call once, after the
// application object exists.
void SetUpIconTheme();

}  // namespace tessarine
