// SPDX-License-Identifier: GPL-3.0-or-later
// Which local days an occurrence belongs to, and the order within a day.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "events/day_event.h"
#include "events_test_support.h"

namespace tessarine {
namespace {

WallSeconds At(const std::string& yyyymmdd, int hour, int minute = 0) {
    return WallSecondsOfDay(Day(yyyymmdd)) + hour * 3600 + minute * 60;
}

TEST(EventDaysTest, AnEventBelongsToEveryLocalDayItOverlaps) {
    struct Case {
        const char* name;
        WallSeconds start;
        WallSeconds end;
        bool allDay;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"within a day", At("20240310", 10), At("20240310", 11), false, {"20240310 1000 e"}},
        {"past midnight",
         At("20240310", 22),
         At("20240311", 2),
         false,
         {"20240310 2200 e", "20240311 cont. e"}},
        {"ending at midnight", At("20240310", 22), At("20240311", 0), false, {"20240310 2200 e"}},
        {"lasting no time", At("20240310", 0), At("20240310", 0), false, {"20240310 0000 e"}},
        {"ending before it starts",
         At("20240310", 9),
         At("20240310", 8),
         false,
         {"20240310 0900 e"}},
        {"two whole days",
         At("20240310", 0),
         At("20240312", 0),
         true,
         {"20240310 all-day e", "20240311 all-day e"}},
        {"begun before the span",
         At("20240301", 8),
         At("20240310", 12),
         false,
         {"20240309 cont. e", "20240310 cont. e"}},
        {"after the span", At("20240313", 0), At("20240313", 1), false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EventDays days(Day("20240309"), Day("20240312"));
        days.Place(c.start, c.end, c.allDay, "e");
        EXPECT_EQ(EventLines(days), c.expected);
    }
}

TEST(EventDaysTest, ADayListsEventsWithoutATimeFirstThenByStartThenBySummary) {
    EventDays days(Day("20240310"), Day("20240311"));
    days.Place(At("20240311", 9), At("20240311", 10), false, "Planning");
    days.Place(At("20240311", 9), At("20240311", 9, 30), false, "Call");
    days.Place(At("20240311", 8, 30), At("20240311", 9), false, "Run");
    days.Place(At("20240311", 0), At("20240312", 0), true, "Holiday");
    days.Place(At("20240310", 23), At("20240311", 1), false, "Night shift");
    days.Sort();
    EXPECT_EQ(EventLines(days),
              (std::vector<std::string>{"20240310 2300 Night shift", "20240311 all-day Holiday",
                                        "20240311 cont. Night shift", "20240311 0830 Run",
                                        "20240311 0900 Call", "20240311 0900 Planning"}));
}

}  // namespace
}  // namespace tessarine
