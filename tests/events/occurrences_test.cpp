// SPDX-License-Identifier: GPL-3.0-or-later
// Series with changed, cancelled, excluded and added occurrences, across a
// change of the clocks, and how long an event lasts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "events_test_support.h"

namespace tessarine {
namespace {

// A zone the file defines under a name the system's database does not know.
const std::string kCentralEuropean =
    "BEGIN:VTIMEZONE\nTZID:Central European\n"
    "BEGIN:DAYLIGHT\nTZOFFSETFROM:+0100\nTZOFFSETTO:+0200\nTZNAME:CEST\n"
    "DTSTART:19700329T020000\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\nEND:DAYLIGHT\n"
    "BEGIN:STANDARD\nTZOFFSETFROM:+0200\nTZOFFSETTO:+0100\nTZNAME:CET\n"
    "DTSTART:19701025T030000\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\nEND:STANDARD\n"
    "END:VTIMEZONE\n";

std::string Event(const std::string& lines) {
    return "BEGIN:VEVENT\n" + lines + "END:VEVENT\n";
}

TEST(OccurrencesTest, EachSeriesShowsOnTheDaysItMeansInBerlin) {
    struct Case {
        const char* name;
        std::string components;
        const char* first;
        const char* last;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"a moved and a cancelled occurrence",
         kCentralEuropean +
             Event("UID:weekly@example\nRECURRENCE-ID;TZID=Central European:20240520T100000\n"
                   "DTSTART;TZID=Central European:20240520T100000\nSTATUS:CANCELLED\n"
                   "SUMMARY:Team meeting\n") +
             Event("UID:weekly@example\nDTSTART;TZID=Central European:20240506T100000\n"
                   "DTEND;TZID=Central European:20240506T110000\nRRULE:FREQ=WEEKLY;COUNT=4\n"
                   "SUMMARY:Team meeting\n") +
             Event("UID:weekly@example\nRECURRENCE-ID;TZID=Central European:20240513T100000\n"
                   "DTSTART;TZID=Central European:20240514T150000\n"
                   "DTEND;TZID=Central European:20240514T160000\n"
                   "SUMMARY:Team meeting (moved)\n"),
         "20240501",
         "20240531",
         {"20240506 1000 Team meeting", "20240514 1500 Team meeting (moved)",
          "20240527 1000 Team meeting"}},
        {"excluded and added dates",
         Event("UID:standup@example\nDTSTART:20240601T080000Z\nRRULE:FREQ=DAILY;COUNT=5\n"
               "EXDATE:20240602T080000Z,20240604T080000Z\nRDATE:20240610T120000Z\n"
               "SUMMARY:Standup\n"),
         "20240601",
         "20240615",
         {"20240601 1000 Standup", "20240603 1000 Standup", "20240605 1000 Standup",
          "20240610 1400 Standup"}},
        {"across the change to summer time",
         kCentralEuropean +
             Event("UID:a\nDTSTART;TZID=Central European:20240324T090000\n"
                   "RRULE:FREQ=WEEKLY;COUNT=3\nSUMMARY:Berlin\n") +
             Event("UID:b\nDTSTART:20240324T080000Z\nRRULE:FREQ=WEEKLY;COUNT=3\nSUMMARY:UTC\n") +
             Event("UID:c\nDTSTART;TZID=America/New_York:20240304T090000\n"
                   "RRULE:FREQ=WEEKLY;COUNT=5\nSUMMARY:New York\n"),
         "20240301",
         "20240410",
         {"20240304 1500 New York", "20240311 1400 New York", "20240318 1400 New York",
          "20240324 0900 Berlin", "20240324 0900 UTC", "20240325 1400 New York",
          "20240331 0900 Berlin", "20240331 1000 UTC", "20240401 1500 New York",
          "20240407 0900 Berlin", "20240407 1000 UTC"}},
        {"DURATION, or neither DTEND nor DURATION",
         kCentralEuropean +
             Event("DTSTART;TZID=Central European:20240610T230000\nDURATION:PT2H\n"
                   "SUMMARY:Night\n") +
             Event("DTSTART;VALUE=DATE:20240612\nDURATION:P2D\nSUMMARY:Trip\n") +
             Event("DTSTART:20240615T120000Z\nSUMMARY:Moment\n") +
             Event("DTSTART:20240616T220000\nDTEND:20240617T000000\nSUMMARY:Late\n"),
         "20240610",
         "20240618",
         {"20240610 2300 Night", "20240611 cont. Night", "20240612 all-day Trip",
          "20240613 all-day Trip", "20240615 1400 Moment", "20240616 2200 Late"}},
        {"a yearly season of seven weeks",
         Event("DTSTART;VALUE=DATE:20230715\nDTEND;VALUE=DATE:20230901\nRRULE:FREQ=YEARLY\n"
               "SUMMARY:Summer break\n"),
         "20240830",
         "20240902",
         {"20240830 all-day Summer break", "20240831 all-day Summer break"}},
        {"outside the years 1582 to 3000",
         Event("DTSTART;VALUE=DATE:15000101\nRRULE:FREQ=YEARLY\nSUMMARY:Too early\n") +
             Event("DTSTART;VALUE=DATE:20240101\nSUMMARY:New Year\n"),
         "20240101",
         "20240101",
         {"20240101 all-day New Year"}},
    };
    const LocalZone zone("Europe/Berlin");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(EventLines(CalendarOf(c.components), c.first, c.last), c.expected);
    }
}

}  // namespace
}  // namespace tessarine
