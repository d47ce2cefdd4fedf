// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tessarine {

// The printed pages' sans-serif face (Arial, or Liberation Sans with the same
// metrics) measured in font units of 1/2048 em, for the byte codes of
// WinAnsiEncoding. A PDF that names the face without embedding it gives these
// widths, so text measures the same whether its face is embedded or not.
inline constexpr int kSansUnitsPerEm = 2048;
inline constexpr int kSansAscent = 1854;
inline constexpr int kSansDescent = 434;
inline constexpr int kSansLineGap = 67;

// The codes with advances: the printable ones, from the space up.
inline constexpr int kSansFirstCode = 32;
inline constexpr int kSansLastCode = 255;

// The advance of one WinAnsi byte code; 0 for codes without a glyph.
int SansAdvance(bool bold, std::uint8_t code);

}  // namespace tessarine
