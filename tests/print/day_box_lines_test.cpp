// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/day_box_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarine {
namespace {

// One unit per character, so a box's width is the characters it holds.
double Characters(const std::string& text) {
    double count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

DayEvent At(int hour, int minute, std::string summary) {
    DayEvent event;
    event.summary = std::move(summary);
    event.hour = static_cast<std::uint8_t>(hour);
    event.minute = static_cast<std::uint8_t>(minute);
    return event;
}

DayEvent AllDay(std::string summary) {
    DayEvent event;
    event.summary = std::move(summary);
    event.allDay = true;
    return event;
}

DayEvent Continued(std::string summary) {
    DayEvent event = At(22, 0, std::move(summary));
    event.continued = true;
    return event;
}

std::string TwelveHour(int hour, int minute) {
    return std::to_string((hour + 11) % 12 + 1) + ":" + (minute < 10 ? "0" : "") +
           std::to_string(minute) + (hour < 12 ? " AM" : " PM");
}

std::string German(const char* context, const char* source) {
    return std::string(context) == "PrintedPage" && std::string(source) == "+%1 more"
               ? "+%1 weitere"
               : source;
}

TEST(DayBoxLinesTest, WritesCutsAndCountsTheLinesOfADay) {
    struct Case {
        const char* name;
        std::vector<DayEvent> events;
        DayBox box;
        EventTimeFormatter formatTime;
        TextTranslator translate;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases{
        {"timed, all-day and continued events",
         {AllDay("Holiday"), Continued("Night shift"), At(9, 5, "Standup"), At(14, 30, "")},
         {40, 5},
         {},
         {},
         {"Holiday", "Night shift", "09:05 Standup", "14:30"}},
        {"the locale's time",
         {At(14, 30, "Dentist"), At(0, 5, "Late")},
         {40, 5},
         TwelveHour,
         {},
         {"2:30 PM Dentist", "12:05 AM Late"}},
        {"exactly as wide as the box", {At(8, 0, "Run")}, {9, 1}, {}, {}, {"08:00 Run"}},
        {"too wide: cut after a word's end, blanks dropped",
         {At(8, 0, "Run to the park"), AllDay("Café Zürich über")},
         {13, 2},
         {},
         {},
         {"08:00 Run to…", "Café Zürich…"}},
        {"cut inside a character of several bytes", {AllDay("Zürich")}, {3, 1}, {}, {}, {"Zü…"}},
        {"no room even for one character", {AllDay("Zoo")}, {1, 1}, {}, {}, {"…"}},
        {"all fit exactly",
         {AllDay("A"), AllDay("B"), AllDay("C")},
         {10, 3},
         {},
         {},
         {"A", "B", "C"}},
        {"one too many",
         {AllDay("A"), AllDay("B"), AllDay("C"), AllDay("D")},
         {10, 3},
         {},
         {},
         {"A", "B", "+2 more"}},
        {"one line for many",
         {AllDay("A"), AllDay("B"), AllDay("C")},
         {10, 1},
         {},
         {},
         {"+3 more"}},
        {"translated", {AllDay("A"), AllDay("B")}, {20, 1}, {}, German, {"+2 weitere"}},
        {"no lines fit", {AllDay("A")}, {10, 0}, {}, {}, {}},
        {"no events", {}, {10, 3}, {}, {}, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayBoxLines(c.events, c.box, Characters, c.formatTime, c.translate), c.lines)
            << c.name;
    }
}

}  // namespace
}  // namespace tessarine
