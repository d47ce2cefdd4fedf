// SPDX-License-Identifier: GPL-3.0-or-later
// A calendar's events on the pages of every layout, printed on a recording
// Letter printer: lines under the day's caption in the planners and the
// month, a bold day number in the year layouts.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "print/print_job.h"
#include "support/recording_print_device.h"

namespace tessarine {
namespace {

const DateSerial kTuesday = EncodeDateSerial(2025, 3, 4);

EventDays ThreeEventsOnTuesday(DateSerial first, DateSerial last) {
    EventDays days(first, last);
    const WallSeconds midnight = WallSecondsOfDay(kTuesday);
    days.Place(midnight, midnight + kSecondsPerDay, true, "Holiday");
    days.Place(midnight + 14 * 3600 + 1800, midnight + 15 * 3600, false, "Dentist");
    days.Place(midnight + 9 * 3600, midnight + 10 * 3600, false, "Standup");
    days.Sort();
    return days;
}

PrintRecording PrintWithCalendar(int format) {
    RecordingPrinter printer;
    PrintEnvironment environment;
    environment.makeDevice = printer.Factory();
    environment.localeNames = EnglishLocaleNames();
    environment.eventsOfDays = ThreeEventsOnTuesday;
    PrintJobState job{kTuesday, format, 0};
    PrintPages(job, environment);
    return printer.Recording();
}

std::optional<RecordedPrintCall> Find(const PrintRecording& recording, const std::string& text,
                                      int points) {
    for (const RecordedPrintCall& call : recording.Texts()) {
        if (call.text == text && call.font.points == points) {
            return call;
        }
    }
    return std::nullopt;
}

TEST(CalendarLinesTest, DayBoxesListTheirEventsUnderTheCaption) {
    struct Layout {
        int format;
        const char* caption;
        int captionPoints;
        int linePoints;
    };
    for (const Layout& layout : {Layout{0, "4", 14, 8}, Layout{1, "4", 14, 8},
                                 Layout{2, "Tuesday 4", 14, 10}, Layout{3, "Tuesday 4", 14, 10},
                                 Layout{4, "Tuesday 4", 14, 10}, Layout{5, "Tuesday 4", 14, 10},
                                 Layout{6, "Tuesday 4", 14, 10}, Layout{7, "Tuesday 4", 14, 10}}) {
        SCOPED_TRACE(layout.format);
        const PrintRecording recording = PrintWithCalendar(layout.format);
        const auto caption = Find(recording, layout.caption, layout.captionPoints);
        ASSERT_TRUE(caption.has_value());
        int below = caption->y1 + caption->height;
        for (const char* line : {"Holiday", "09:00 Standup", "14:30 Dentist"}) {
            const auto written = Find(recording, line, layout.linePoints);
            ASSERT_TRUE(written.has_value()) << line;
            EXPECT_EQ(written->x1, caption->x1) << line;
            EXPECT_GE(written->y1, below) << line;
            EXPECT_LT(written->y1, below + 2 * written->height) << line;
            below = written->y1 + written->height;
        }
        // Only Tuesday's box has lines.
        int eventLines = 0;
        for (const RecordedPrintCall& call : recording.Texts()) {
            eventLines += call.font == PrintFont{"Arial", layout.linePoints, kFontPlain} ? 1 : 0;
        }
        EXPECT_EQ(eventLines, 3);
    }
}

TEST(CalendarLinesTest, YearLayoutsSetDaysWithEventsInBold) {
    for (const auto& [format, points] :
         {std::pair{8, 9}, std::pair{9, 9}, std::pair{10, 8}, std::pair{11, 8}}) {
        SCOPED_TRACE(format);
        std::vector<std::string> bold;
        for (const RecordedPrintCall& call : PrintWithCalendar(format).Texts()) {
            if (call.font == PrintFont{"Arial", points, kFontBold}) {
                bold.push_back(call.text);
            }
        }
        EXPECT_EQ(bold, std::vector<std::string>{"4"});
    }
}

}  // namespace
}  // namespace tessarine
