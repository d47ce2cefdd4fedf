// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/paper_size.h"

#include <cstdlib>

namespace tessarine {

std::optional<Paper> PaperOfSize(int widthMm, int heightMm) {
    // Locales round Letter's 215.9 x 279.4 mm either way; a millimetre of
    // slack also takes A4's 210 x 297 from any source.
    const auto near = [](int value, int target) { return std::abs(value - target) <= 1; };
    if (near(widthMm, 216) && near(heightMm, 279)) return Paper::Letter;
    if (near(widthMm, 210) && near(heightMm, 297)) return Paper::A4;
    return std::nullopt;
}

}  // namespace tessarine
