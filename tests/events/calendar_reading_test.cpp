// SPDX-License-Identifier: GPL-3.0-or-later
// Reading calendars as their authors wrote them, and refusing with a clear
// message what is no calendar.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "events_test_support.h"
#include "support/test_files.h"

namespace tessarine {
namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

TEST(CalendarReadingTest, APublishedHolidayFeedWrittenTheLaxWayIsReadAsMeant) {
    // Read in London, so that the Berlin time named without a VTIMEZONE
    // shows it was placed in its zone.
    const LocalZone zone("Europe/London");
    const std::string feed = ReadBytes(TestDataFile("events", "public_holidays_lax.ics",
                                                    std::filesystem::path(__FILE__).parent_path()));
    ASSERT_FALSE(feed.empty());
    const std::vector<std::string> expected{
        "20240101 all-day New Year's Day",
        "20240329 all-day Good Friday",
        "20240331 all-day Easter Sunday",
        "20241003 all-day Day of German Unity (a national holiday observed throughout the country "
        "every year)",
        "20241111 1011 Carnival opening",
        "20241225 all-day Christmas",
        "20241226 all-day Christmas",
        "20250101 all-day New Year's Day",
    };
    const std::map<std::string, std::string> variants{
        {"as published: byte-order mark, CRLF", feed},
        {"LF line ends", Replaced(feed, "\r\n", "\n")},
        {"no byte-order mark", feed.substr(3)},
    };
    for (const auto& [name, bytes] : variants) {
        SCOPED_TRACE(name);
        const EventCalendar calendar = EventCalendar::Read(bytes, "holidays.ics");
        EXPECT_EQ(EventLines(calendar, "20240101", "20250105"), expected);
        EXPECT_EQ(calendar.EventCount(), 7u);
        EXPECT_EQ(calendar.UnreadableEvents(), 0u);
    }
}

TEST(CalendarReadingTest, AnEventWithoutAReadableStartIsCountedAndTheOthersStillShow) {
    const LocalZone zone("UTC");
    const EventCalendar calendar = CalendarOf(
        "BEGIN:VEVENT\nDTSTART:garbage\nSUMMARY:Broken\nEND:VEVENT\n"
        "BEGIN:VEVENT\nSUMMARY:No start\nEND:VEVENT\n"
        "BEGIN:VEVENT\nDTSTART:20240102T100000Z\nSUMMARY:Fine\nEND:VEVENT\n");
    EXPECT_EQ(calendar.UnreadableEvents(), 2u);
    EXPECT_EQ(EventLines(calendar, "20240101", "20240103"),
              std::vector<std::string>{"20240102 1000 Fine"});
}

TEST(CalendarReadingTest, WhatIsNoCalendarIsRefusedNamingTheSourceAndTheLine) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
        int line;
    };
    const std::vector<Case> cases{
        {"a web page", "<!DOCTYPE html>\n<html><body>Sign in</body></html>\n",
         "feed.ics, line 1: This is not an iCalendar file.", 1},
        {"nothing", "", "feed.ics: This is not an iCalendar file.", 0},
        {"cut short", "\r\nBEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20240101\r\nSUMMARY:Hal",
         "feed.ics, line 3: This component is never ended: the file may be cut short.", 3},
        {"an END that does not match",
         "BEGIN:VCALENDAR\nBEGIN:VEVENT\nDTSTART:20240101\nEND:VCALENDAR\n",
         "feed.ics, line 4: This END does not match the last BEGIN.", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            EventCalendar::Read(c.bytes, "feed.ics");
            ADD_FAILURE() << "read without complaint";
        } catch (const CalendarReadError& error) {
            EXPECT_EQ(error.what(), c.message);
            EXPECT_EQ(error.Source(), "feed.ics");
            EXPECT_EQ(error.Line(), c.line);
        }
    }
}

TEST(CalendarReadingTest, TheRefusalIsWrittenInTheUsersLanguage) {
    const std::map<std::string, std::string> german{
        {"%1, line %2: %3", "%1, Zeile %2: %3"},
        {"This is not an iCalendar file.", "Dies ist keine iCalendar-Datei."}};
    const TextTranslator translate = [&](const char* context, const char* source) {
        EXPECT_STREQ(context, "Errors");
        const auto found = german.find(source);
        return found == german.end() ? std::string(source) : found->second;
    };
    try {
        EventCalendar::Read("Hello\n", "a.ics");
        ADD_FAILURE() << "read without complaint";
    } catch (const CalendarReadError& error) {
        EXPECT_EQ(error.Message(translate), "a.ics, Zeile 1: Dies ist keine iCalendar-Datei.");
    }
}

}  // namespace
}  // namespace tessarine
