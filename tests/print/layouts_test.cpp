// SPDX-License-Identifier: GPL-3.0-or-later
// The planner and year layouts, printed through the page loop on a recording
// Letter printer (600 dpi, quarter-inch strips, so 0.75-inch margins): each
// page's dates come from the job as they do for a user.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "print/print_job.h"
#include "support/recording_print_device.h"

namespace tessarine {
namespace {

// A text 0.02 inch inside the top-left corner of cell (column, row) of the
// content area cut into the layout's columns x rows; column -1: anywhere.
struct Placed {
    std::string text;
    int column = -1;
    int row = 0;
    bool shown = true;
};

struct Job {
    int format;
    DateSerial gridDate;
    std::vector<std::vector<Placed>> pages;
    LocaleNames names = EnglishLocaleNames();
};

double In(int canvasPixels) {
    return (canvasPixels + 150) / 600.0;
}

// Content width and height, and what was printed.
using PageCheck = std::function<void(double W, double H, const PrintRecording&, int document)>;

void CheckLayout(int columns, int rows, const std::vector<Job>& jobs, const PageCheck& check) {
    for (const Job& job : jobs) {
        SCOPED_TRACE(job.format);
        RecordingPrinter printer;
        PrintJobState state{job.gridDate, job.format, static_cast<int>(job.pages.size()) - 1};
        PrintPages(state,
                   PrintEnvironment{printer.Factory(), nullptr, false, false, job.names, {}});
        const bool wide = job.format % 2 == 1;
        const double W = wide ? 9.5 : 7.0;
        const double H = wide ? 7.0 : 9.5;
        ASSERT_EQ(printer.Recording().DocumentsEnded(), static_cast<int>(job.pages.size()));
        for (int document = 1; document <= static_cast<int>(job.pages.size()); ++document) {
            for (const Placed& placed : job.pages[static_cast<std::size_t>(document - 1)]) {
                bool shown = false;
                for (const RecordedPrintCall& text : printer.Recording().Texts(document)) {
                    shown =
                        shown ||
                        (text.text == placed.text &&
                         (placed.column < 0 ||
                          (std::abs(In(text.x1) - (0.77 + placed.column * W / columns)) < 0.002 &&
                           std::abs(In(text.y1) - (0.77 + placed.row * H / rows)) < 0.002)));
                }
                EXPECT_EQ(shown, placed.shown) << placed.text << " " << placed.column << ","
                                               << placed.row << " on page " << document;
            }
            const char* footer = PageFormats()[static_cast<std::size_t>(job.format)].footerLabel;
            EXPECT_TRUE(printer.Recording().FindText(footer, document).has_value());
            check(W, H, printer.Recording(), document);
        }
    }
}

// The band one row tall and every box framed white with a 4-pixel pen, the
// last box ending at the content area's corner, a 14-point text in each box.
PageCheck PlannerBoxes(int rows, std::size_t boxes) {
    return [rows, boxes](double W, double H, const PrintRecording& recording, int document) {
        const auto frames = recording.Rectangles(document);
        ASSERT_EQ(frames.size(), boxes + 1);
        std::size_t captions = 0;
        for (const RecordedPrintCall& text : recording.Texts(document)) {
            captions += text.font == PrintFont{"Arial", 14, kFontPlain} ? 1 : 0;
        }
        EXPECT_EQ(captions, boxes);
        for (const RecordedPrintCall& frame : frames) {
            EXPECT_TRUE(frame.penWidth == 4 && frame.gray == 255);
        }
        EXPECT_NEAR(In(frames.front().y2), 0.75 + H / rows, 0.002);
        EXPECT_NEAR(In(frames.back().x2), 0.75 + W, 0.002);
        EXPECT_NEAR(In(frames.back().y2), 0.75 + H, 0.002);
    };
}

TEST(LayoutsTest, BiweeklyPlanner) {
    LocaleNames french;
    french.longDayNames = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
    french.longMonthNames[2] = "mars";
    CheckLayout(2, 8,
                {{2,
                  EncodeDateSerial(2025, 3, 5),
                  {{{"March 3, 2025 to March 16, 2025"},
                    {"Monday 3", 0, 1},
                    {"Sunday 9", 0, 7},
                    {"Monday 10", 1, 1},
                    {"Sunday 16", 1, 7}},
                   {{"March 17, 2025 to March 30, 2025"}, {"Monday 17", 0, 1}}}},
                 {3,
                  EncodeDateSerial(2024, 12, 29),
                  {{{"December 30, 2024 to January 12, 2025"},
                    {"Sunday 29", -1, 0, false},
                    {"Tuesday 31", 0, 2},
                    {"Wednesday 1", 0, 3},
                    {"Sunday 12", 1, 7}}}},
                 {2,
                  EncodeDateSerial(2025, 3, 2),
                  {{{"mars 3, 2025 to mars 16, 2025"}, {"lundi 3", 0, 1}, {"dimanche 16", 1, 7}}},
                  french}},
                PlannerBoxes(8, 14));
}

TEST(LayoutsTest, WeeklyPlanner) {
    CheckLayout(2, 9,
                {{4,
                  EncodeDateSerial(2024, 5, 15),
                  {{{"May 13, 2024 to May 19, 2024"},
                    {"Monday 13", 0, 1},
                    {"Thursday 16", 0, 7},
                    {"Friday 17", 1, 1},
                    {"Sunday 19", 1, 5},
                    {"Notes", 1, 7}},
                   {{"May 20, 2024 to May 26, 2024"}, {"Monday 20", 0, 1}, {"Notes", 1, 7}}}},
                 {5, EncodeDateSerial(2025, 3, 9), {{{"Sunday 16", 1, 5}, {"Notes", 1, 7}}}}},
                PlannerBoxes(9, 8));
}

TEST(LayoutsTest, TwoDayPlanner) {
    CheckLayout(
        2, 9,
        {{6,
          EncodeDateSerial(2025, 1, 31),
          {{{"January 31, 2025 to February 1, 2025"}, {"Friday 31", 0, 1}, {"Saturday 1", 1, 1}},
           {{"Sunday 2", 0, 1}, {"Monday 3", 1, 1}}}},
         {7,
          EncodeDateSerial(2024, 12, 31),
          {{{"December 31, 2024 to January 1, 2025"}, {"Wednesday 1", 1, 1}}}}},
        PlannerBoxes(9, 2));
}

// Month blocks are eight cells wide and eight lines tall: block column i,
// block row j, cell column c and line n are cell (8i + c, 4(2j - 1) + n) of
// the content area cut 24 x 36.
Placed InBlock(const std::string& text, int i, int j, int c, int n, bool shown = true) {
    return {text, 8 * i + c, 4 * (2 * j - 1) + n, shown};
}

TEST(LayoutsTest, YearView) {
    CheckLayout(24, 36,
                {{8,
                  EncodeDateSerial(2025, 7, 4),
                  {{{"2025"},
                    InBlock("S", 0, 1, 1, 1),
                    InBlock("W", 0, 1, 4, 1),
                    InBlock("1", 0, 1, 4, 2),
                    InBlock("5", 0, 1, 1, 3),
                    InBlock("31", 0, 1, 6, 6),
                    InBlock("1", 2, 2, 1, 3),
                    InBlock("30", 2, 2, 2, 7),
                    InBlock("31", 2, 1, 2, 7),
                    InBlock("28", 1, 1, 6, 6),
                    InBlock("29", 1, 1, 7, 6, false)},
                   {{"2026"}, InBlock("1", 0, 1, 5, 2)}}},
                 {9, EncodeDateSerial(2024, 2, 10), {{{"2024"}, InBlock("29", 1, 1, 5, 6)}}}},
                [](double W, double H, const PrintRecording& recording, int document) {
                    // Only the band is framed, three quarters of a row tall; month
                    // names straddle their block's top edge.
                    const auto frames = recording.Rectangles(document);
                    ASSERT_EQ(frames.size(), 1u);
                    EXPECT_NEAR(In(frames[0].y2), 0.75 + 0.75 * H / 9, 0.002);
                    const auto june = recording.FindText("June", document);
                    ASSERT_TRUE(june.has_value());
                    EXPECT_NEAR((In(june->x1) + In(june->x2)) / 2, 0.77 + 2.5 * W / 3, 0.002);
                    EXPECT_NEAR(In(june->y2), 0.75 + 3 * H / 9 + 0.12, 0.002);
                });
}

TEST(LayoutsTest, YearPlanner) {
    CheckLayout(
        42, 14,
        {{10,
          EncodeDateSerial(2025, 3, 3),
          {{{"2025"},
            {"M", 5, 1},
            {"W", 7, 1},
            {"S", 11, 1},
            {"T", 41, 1},
            {"January", 0, 2},
            {"1", 7, 2},
            {"31", 37, 2},
            {"December", 0, 13}},
           {{"2026"}, {"1", 11, 4}, {"31", 41, 4}}}},
         {11, EncodeDateSerial(2027, 6, 1), {{{"1", 5, 3}, {"28", 32, 3}, {"29", 33, 3, false}}}}},
        [](double W, double H, const PrintRecording& recording, int document) {
            // The band, then 37 boxes in each of rows 1 to 13, grey on the
            // weekend columns.
            const auto frames = recording.Rectangles(document);
            ASSERT_EQ(frames.size(), 1u + 13 * 37);
            for (std::size_t f = 1; f < frames.size(); ++f) {
                const long column = std::lround((In(frames[f].x1) - 0.75) * 42 / W);
                EXPECT_EQ(frames[f].gray, (column - 5) % 7 >= 5 ? 225 : 255) << column;
            }
            EXPECT_NEAR(In(frames.back().y2), 0.75 + H, 0.002);
        });
}

}  // namespace
}  // namespace tessarine
