// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/paper_size.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(PaperSizeTest, LocaleSizesMapToTheirSheets) {
    EXPECT_EQ(PaperOfSize(216, 279), Paper::Letter);  // en_US, en_CA
    EXPECT_EQ(PaperOfSize(215, 280), Paper::Letter);  // rounded the other way
    EXPECT_EQ(PaperOfSize(210, 297), Paper::A4);      // de_DE
    EXPECT_EQ(PaperOfSize(216, 356), std::nullopt);   // Legal: not a sheet we print on
    EXPECT_EQ(PaperOfSize(0, 0), std::nullopt);       // no answer from the library
}

}  // namespace
}  // namespace tessarine
