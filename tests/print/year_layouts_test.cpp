// The Year View and the Year Planner, printed through the job so that each
// page's year comes from the page loop as it does for a user.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/printed_job.h"

namespace tessarine {
namespace {

struct Placed {
    std::string text;
    int column = 0;
    int row = 0;
    bool shown = true;
};

struct YearPage {
    std::string title;
    std::vector<Placed> texts;
};

struct YearCase {
    const char* name;
    int format;
    DateSerial gridDate;
    std::vector<YearPage> pages;
};

// Checks the title and the texts of each page, the content area cut into
// columns x rows; hands each document to `more`.
template <typename More>
void CheckYearPages(int columns, int rows, const std::vector<YearCase>& cases, More more) {
    for (const YearCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PrintedJob job(c.format, c.gridDate, static_cast<int>(c.pages.size()));
        ASSERT_EQ(job.Recording().DocumentsEnded(), static_cast<int>(c.pages.size()));
        for (std::size_t p = 0; p < c.pages.size(); ++p) {
            const int document = static_cast<int>(p) + 1;
            const auto title = job.Recording().FindText(c.pages[p].title, document);
            ASSERT_TRUE(title.has_value()) << c.pages[p].title;
            EXPECT_EQ(title->font, (PrintFont{"Arial", 18, kFontBold}));
            for (const Placed& text : c.pages[p].texts) {
                EXPECT_EQ(job.TextInCell(document, text.text, text.column, text.row, columns, rows),
                          text.shown)
                    << text.text << " at " << text.column << "," << text.row << " on page "
                    << document;
            }
            more(job, document);
        }
    }
}

// Month blocks are eight cells wide and eight lines tall, under a heading
// row of four lines: block column i, block row j, cell column c and line n
// give cell (8i + c, 4(2j - 1) + n) of a 24 x 36 division.
Placed InBlock(const std::string& text, int i, int j, int c, int n, bool shown = true) {
    return {text, 8 * i + c, 4 * (2 * j - 1) + n, shown};
}

TEST(YearLayoutsTest, YearViewPutsEveryDayUnderItsWeekdayLetter) {
    CheckYearPages(
        24, 36,
        {{"2025, then 2026",
          8,
          EncodeDateSerial(2025, 7, 4),
          {{"2025",
            {InBlock("S", 0, 1, 1, 1), InBlock("W", 0, 1, 4, 1),
             InBlock("1", 0, 1, 4, 2),  // January 1 is a Wednesday
             InBlock("5", 0, 1, 1, 3), InBlock("31", 0, 1, 6, 6),
             InBlock("1", 2, 2, 1, 3),                              // June starts on Sunday: line 3
             InBlock("30", 2, 2, 2, 7), InBlock("31", 2, 1, 2, 7),  // March ends on line 7
             InBlock("28", 1, 1, 6, 6), InBlock("29", 1, 1, 7, 6, false)}},
           {"2026", {InBlock("1", 0, 1, 5, 2)}}}},
         {"wide, leap year",
          9,
          EncodeDateSerial(2024, 2, 10),
          {{"2024", {InBlock("29", 1, 1, 5, 6), InBlock("1", 1, 1, 5, 2)}}}}},
        [](const PrintedJob& job, int document) {
            // Only the heading band is framed; it is three quarters of a row.
            const auto boxes = job.Recording().Rectangles(document);
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_NEAR(job.YIn(boxes[0].y2), job.T + 0.75 * job.H / 9, 0.002);
            // June's name straddles its block's top edge, centred on the block.
            const auto june = job.Recording().FindText("June", document);
            ASSERT_TRUE(june.has_value());
            EXPECT_EQ(june->font, (PrintFont{"Arial", 12, kFontPlain}));
            EXPECT_NEAR((job.XIn(june->x1) + job.XIn(june->x2)) / 2, job.L + 2.5 * job.W / 3 + 0.02,
                        0.002);
            EXPECT_NEAR(job.YIn(june->y2), job.T + 3 * job.H / 9 + 0.12, 0.002);
        });
}

TEST(YearLayoutsTest, YearPlannerLinesUpWeekdaysAndGreysWeekends) {
    CheckYearPages(42, 14,
                   {{"2025, then 2026",
                     10,
                     EncodeDateSerial(2025, 3, 3),
                     {{"2025",
                       {{"M", 5, 1},
                        {"W", 7, 1},
                        {"S", 11, 1},
                        {"T", 41, 1},
                        {"January", 0, 2},
                        {"1", 7, 2},
                        {"31", 37, 2},
                        {"December", 0, 13}}},
                      {"2026", {{"1", 11, 4}, {"31", 41, 4}}}}},  // March 2026 begins on a Sunday
                    {"wide, February 2027 begins on a Monday",
                     11,
                     EncodeDateSerial(2027, 6, 1),
                     {{"2027", {{"1", 5, 3}, {"28", 32, 3}, {"29", 33, 3, false}}}}}},
                   [](const PrintedJob& job, int document) {
                       // The band, then 37 day boxes in each of rows 1 to 13.
                       const auto boxes = job.Recording().Rectangles(document);
                       ASSERT_EQ(boxes.size(), 1u + 13 * 37);
                       for (std::size_t b = 1; b < boxes.size(); ++b) {
                           const auto column =
                               std::lround((job.XIn(boxes[b].x1) - job.L) / (job.W / 42));
                           const bool weekend = (column - 5) % 7 >= 5;
                           EXPECT_EQ(boxes[b].gray, weekend ? 225 : 255) << "column " << column;
                           EXPECT_EQ(boxes[b].penWidth, 4);
                       }
                       EXPECT_NEAR(job.XIn(boxes.back().x2), job.L + job.W, 0.002);
                       EXPECT_NEAR(job.YIn(boxes.back().y2), job.T + job.H, 0.002);
                       EXPECT_EQ(job.Recording().FindText("31", document)->font,
                                 (PrintFont{"Arial", 8, kFontPlain}));
                   });
}

}  // namespace
}  // namespace tessarine
