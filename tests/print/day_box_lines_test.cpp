// A day's events written into a box: one line each, cut with "…" where too
// wide, and "+N more" on the last line when they do not all fit.

#include "print/day_box_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarine {
namespace {

// One unit per character, so that widths can be counted by eye.
double Characters(const std::string& text) {
    double count = 0;
    for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return count;
}

DayEvent Timed(int hour, int minute, const std::string& summary) {
    return {summary, false, false, static_cast<std::uint8_t>(hour),
            static_cast<std::uint8_t>(minute)};
}
DayEvent AllDay(const std::string& summary) {
    return {summary, true};
}
DayEvent Continued(const std::string& summary) {
    return {summary, false, true, 22, 0};
}

TEST(DayBoxLinesTest, EachEventGetsALineThatFitsTheBox) {
    struct Case {
        const char* name;
        std::vector<DayEvent> events;
        double width;
        int lineCount;
        std::vector<std::string> expected;
    };
    const std::vector<DayEvent> five{AllDay("Holiday"), Timed(8, 5, "Run"), Timed(9, 30, "Dentist"),
                                     Timed(12, 0, "Lunch"), Timed(18, 45, "Choir")};
    const std::vector<Case> cases{
        {"all fit",
         {AllDay("Holiday"), Continued("Night shift"), Timed(9, 30, "Dentist")},
         40,
         3,
         {"Holiday", "Night shift", "09:30 Dentist"}},
        {"more than fit", five, 40, 3, {"Holiday", "08:05 Run", "+3 more"}},
        {"one line for two", {AllDay("A"), AllDay("B")}, 40, 1, {"+2 more"}},
        {"no line", five, 40, 0, {}},
        {"cut", {Timed(14, 5, "A very long summary")}, 10, 2, {"14:05 A v…"}},
        {"cut before a blank", {AllDay("Team  meeting")}, 7, 1, {"Team…"}},
        {"cut between characters", {AllDay("Größenwahn über alles")}, 6, 1, {"Größe…"}},
        {"the count cut too", five, 4, 1, {"+5…"}},
        {"nothing fits", {AllDay("Holiday")}, 0.5, 1, {""}},
    };
    const DayBoxText text{Characters, {}, {}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DayBoxLines(c.events, c.width, c.lineCount, text), c.expected);
    }
}

TEST(DayBoxLinesTest, TimesAndTheCountAreWrittenAsTheUserReadsThem) {
    const DayBoxText text{
        Characters,
        [](int hour, int minute) {
            return std::to_string(hour % 12 == 0 ? 12 : hour % 12) + ":" +
                   (minute < 10 ? "0" : "") + std::to_string(minute) + (hour < 12 ? " AM" : " PM");
        },
        [](const char* context, const char* source) {
            return std::string(context) == "PrintedPage" && std::string(source) == "+%1 more"
                       ? std::string("+%1 weitere")
                       : std::string(source);
        }};
    const std::vector<DayEvent> events{Timed(0, 15, "Night"), Timed(14, 30, "Talk"),
                                       Timed(15, 0, "Tea")};
    EXPECT_EQ(DayBoxLines(events, 40, 2, text),
              (std::vector<std::string>{"12:15 AM Night", "+2 weitere"}));
    EXPECT_EQ(DayBoxLines({Timed(14, 30, "Talk")}, 40, 1, text),
              std::vector<std::string>{"2:30 PM Talk"});
}

}  // namespace
}  // namespace tessarine
