// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/goto_date.h"

#include <limits>

namespace tessarine {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The pieces are cut by byte. The text arrives as UTF-8, so a piece could end
// inside a multi-byte character; that is harmless because every byte of such a
// character is rejected by the conversion, so whichever piece holds the first
// non-ASCII byte fails, exactly as it would when counting by characters.
std::string_view Piece(std::string_view text, std::size_t first, std::size_t length) {
    if (first >= text.size()) return {};
    return text.substr(first, length);
}

}  // namespace

std::optional<std::int32_t> ParseStandardInteger(std::string_view text) noexcept {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }

    if (i == text.size()) return std::nullopt;  // no digits at all

    // Accumulate the magnitude in 64 bits and stop as soon as it leaves the
    // 32-bit range, so no text can overflow.
    const std::int64_t limit =
        negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
                 : std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = HexDigitValue(text[i]);
        if (digit < 0 || digit >= base) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::optional<DateSerial> ParseEnteredDate(std::string_view text) noexcept {
    const auto year = ParseStandardInteger(Piece(text, 0, 4));
    const auto month = ParseStandardInteger(Piece(text, 4, 2));
    const auto day = ParseStandardInteger(Piece(text, 6, 2));
    if (!year || !month || !day) return std::nullopt;
    if (*year < kFirstSupportedYear || *year > kLastSupportedYear) return std::nullopt;
    // The encoder takes 16-bit fields: a month such as 65537 must not wrap to
    // January on the way in.
    if (*month < 1 || *month > 12 || *day < 1 || *day > 31) return std::nullopt;
    try {
        return EncodeDateSerial(static_cast<std::uint16_t>(*year),
                                static_cast<std::uint16_t>(*month),
                                static_cast<std::uint16_t>(*day));
    } catch (const DateEncodeError&) {
        return std::nullopt;  // a day beyond the month's length
    }
}

std::string GotoDateCaption(int markNumber, DateSerial mark, const LocaleNames& names,
                            const TextTranslator& translate) {
    const std::string pattern =
        Translate(translate, "tessarine::TjulCalMainForm",
                  TESSARINE_TRANSLATE_NOOP("tessarine::TjulCalMainForm", "Go to Date %1 - %2"));
    // The date is isolated (FSI ... PDI) so that a right-to-left menu keeps
    // it in one piece: unisolated, its digits and a right-to-left month name
    // reorder into another date.
    const std::string date = "\u2068" + FormatDateSerial("yyyy-mmm-dd", mark, names) + "\u2069";
    return FillPlaceholders(pattern, {std::to_string(markNumber), date});
}

}  // namespace tessarine
