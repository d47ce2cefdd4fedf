// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessarine {

// Strict checks and conversions between UTF-8 (our in-memory text) and
// UTF-16LE (what registry text values and some hive files hold).

// True when `text` is well-formed UTF-8 (no overlongs, no surrogates, at most U+10FFFF).
bool IsValidUtf8(std::string_view text);

// Decodes UTF-16LE code units; false on an odd byte count or an unpaired surrogate.
bool DecodeUtf16Le(std::span<const std::uint8_t> bytes, std::string& utf8);

// Decodes UTF-16LE, turning unpaired surrogates into U+FFFD and dropping a
// trailing odd byte.
std::string DecodeUtf16LeReplacing(std::span<const std::uint8_t> bytes);

// Encodes UTF-8 as UTF-16LE; malformed input sequences become U+FFFD.
std::vector<std::uint8_t> EncodeUtf16Le(std::string_view utf8);

}  // namespace tessarine
