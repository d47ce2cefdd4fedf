// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/page_texts.h"

#include <sstream>
#include <vector>

namespace tessarine {

namespace {

std::vector<std::string> Words(const std::string& text) {
    std::istringstream stream(text);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

}  // namespace

std::string PageText(const PrintEnvironment& environment, const char* source) {
    return Translate(environment.translate, kPrintedPageContext, source);
}

std::array<std::string, 7> WeekdayInitials(const PrintEnvironment& environment,
                                           const char* englishInitials) {
    std::vector<std::string> letters = Words(PageText(environment, englishInitials));
    if (letters.size() != 7) letters = Words(englishInitials);
    std::array<std::string, 7> initials;
    for (std::size_t i = 0; i < initials.size() && i < letters.size(); ++i) {
        initials[i] = letters[i];
    }
    return initials;
}

}  // namespace tessarine
