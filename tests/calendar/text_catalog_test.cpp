// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/text_catalog.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(TextCatalogTest, FillPlaceholdersPutsEachArgumentWhereThePatternSays) {
    EXPECT_EQ(FillPlaceholders("%1 to %2", {"March 3", "March 9"}), "March 3 to March 9");
    // A translation may reorder and repeat them.
    EXPECT_EQ(FillPlaceholders("%2, %1 (%2)", {"a", "b"}), "b, a (b)");
    // Numbers without an argument and other percent signs stay as written.
    EXPECT_EQ(FillPlaceholders("%1 is 100% of %3", {"x"}), "x is 100% of %3");
    EXPECT_EQ(FillPlaceholders("ends with %", {}), "ends with %");
}

TEST(TextCatalogTest, TranslateKeepsTheEnglishWithoutATranslator) {
    EXPECT_EQ(Translate({}, "PrintedPage", "Notes"), "Notes");
    const TextTranslator upper = [](const char* context, const char* source) {
        return std::string(context) + ":" + source;
    };
    EXPECT_EQ(Translate(upper, "PrintedPage", "Notes"), "PrintedPage:Notes");
}

}  // namespace
}  // namespace tessarine
