// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/calendar_sources.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(CalendarSourcesTest, AcceptsOnlyAddressesACalendarCanBeFetchedFrom) {
    const struct {
        const char* text;
        bool address;
    } cases[] = {
        {"https://example.org/cal.ics", true},
        {"http://example.org", true},
        {"WEBCAL://example.org/h.ics?x=1", true},
        {"webcal://[::1]:5232/cal", true},
        {"ftp://example.org/cal.ics", false},
        {"https://", false},
        {"https:///path", false},
        {"https://:80/x", false},
        {"https://exa mple.org", false},
        {"example.org/cal.ics", false},
        {"/home/u/cal.ics", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsCalendarAddress(c.text), c.address) << c.text;
    }
}

}  // namespace
}  // namespace tessarine
