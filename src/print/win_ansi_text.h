// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tessarine {

// UTF-8 text in WinAnsiEncoding, the single-byte encoding of the PDF
// standard fonts: Latin-1 with typographic marks (euro sign, dashes, quotes)
// in 0x80..0x9F. Empty when the text holds anything else, control
// characters and malformed UTF-8 included.
std::optional<std::string> ToWinAnsi(std::string_view utf8);

}  // namespace tessarine
