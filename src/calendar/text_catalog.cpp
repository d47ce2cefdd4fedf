// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/text_catalog.h"

#include <vector>

namespace tessarine {

std::string Translate(const TextTranslator& translator, const char* context, const char* source) {
    return translator ? translator(context, source) : std::string(source);
}

std::string FillPlaceholders(std::string_view pattern,
                             std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> values(arguments);
    std::string filled;
    filled.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size() &&
                                 pattern[i + 1] >= '1' && pattern[i + 1] <= '9';
        const auto index = placeholder ? static_cast<std::size_t>(pattern[i + 1] - '1') : 0;
        if (placeholder && index < values.size()) {
            filled += values[index];
            ++i;
        } else {
            filled += pattern[i];
        }
    }
    return filled;
}

}  // namespace tessarine
