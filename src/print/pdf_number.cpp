// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/pdf_number.h"

#include <charconv>

namespace tessarine {

void AppendPdfNumber(std::string& out, int value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
    out += ' ';
}

void AppendPdfNumber(std::string& out, double value, int decimals) {
    char digits[400];
    const auto result =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    std::string_view text = result.ec == std::errc() ? std::string_view(digits, result.ptr - digits)
                                                     : std::string_view("0");
    if (text.find('.') != std::string_view::npos) {
        text.remove_suffix(text.size() - 1 - text.find_last_not_of('0'));
        if (text.back() == '.') text.remove_suffix(1);
    }
    // A value rounded to nothing keeps no sign: "-0" is valid but odd.
    if (text == "-0") text = "0";
    out.append(text);
    out += ' ';
}

}  // namespace tessarine
