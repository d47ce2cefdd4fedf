// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "calendar/text_catalog.h"

namespace tessarine {

// What the go-to-date command puts into the shared text before it opens the
// dialog, so that a cancelled dialog leaves nothing a later reader could use.
inline constexpr std::string_view kBlankEnteredDateText = "      ";

// The standard integer conversion: optional leading blanks, an optional sign,
// then decimal digits, or hexadecimal digits after a leading "$" or "0x"/"0X".
// Nothing else may follow. Empty text, any other character and values outside
// the 32-bit signed range give no value.
std::optional<std::int32_t> ParseStandardInteger(std::string_view text) noexcept;

// Reads the date typed into the go-to-date dialog: year from characters 1-4,
// month from 5-6, day from 7-8 (pieces past the end are shortened, characters
// past the eighth are ignored), each read with ParseStandardInteger. The year
// must lie in 1582..3000 and the fields must name a real day.
std::optional<DateSerial> ParseEnteredDate(std::string_view text) noexcept;

// "Go to Date N - " followed by the mark as "yyyy-mmm-dd" between the
// directional isolates U+2068 and U+2069; markNumber is 1..3. A translator
// may reword the caption around the number and the date.
std::string GotoDateCaption(int markNumber, DateSerial mark,
                            const LocaleNames& names = EnglishLocaleNames(),
                            const TextTranslator& translate = {});

}  // namespace tessarine
