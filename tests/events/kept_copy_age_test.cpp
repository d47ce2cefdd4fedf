// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/kept_copy_age.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(KeptCopyAgeTest, SaysHowOldTheCopyIsInTheLargestWholeUnit) {
    const struct {
        std::int64_t seconds;
        const char* text;
    } cases[] = {
        {-3600, "showing the copy from less than a minute ago"},
        {59, "showing the copy from less than a minute ago"},
        {60, "showing the copy from 1 minute ago"},
        {119, "showing the copy from 1 minute ago"},
        {3599, "showing the copy from 59 minutes ago"},
        {3600, "showing the copy from 1 hour ago"},
        {3 * 3600 + 3599, "showing the copy from 3 hours ago"},
        {86399, "showing the copy from 23 hours ago"},
        {86400, "showing the copy from 1 day ago"},
        {7 * 86400 - 1, "showing the copy from 6 days ago"},
        {7 * 86400, "showing the copy from 2 December 2026"},
        {400 * 86400, "showing the copy from 2 December 2026"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeptCopyAgeText(c.seconds, "2 December 2026"), c.text) << c.seconds;
    }
    const TextTranslator german = [](const char*, const char* source) {
        return std::string(source) == "showing the copy from %1 hours ago"
                   ? "zeige die Kopie von vor %1 Stunden"
                   : source;
    };
    EXPECT_EQ(KeptCopyAgeText(2 * 3600, "", german), "zeige die Kopie von vor 2 Stunden");
}

}  // namespace
}  // namespace tessarine
