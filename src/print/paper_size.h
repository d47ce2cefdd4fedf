// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace tessarine {

enum class Paper { Letter, A4 };

// The sheet a locale's paper size (in whole millimetres, as the C library
// gives it for LC_PAPER) stands for; empty for any other size, which the
// caller answers from the measurement system.
std::optional<Paper> PaperOfSize(int widthMm, int heightMm);

}  // namespace tessarine
