// The Biweekly, Weekly and Two Day Planners, printed through the job so
// that each page's dates come from the page loop as they do for a user.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/printed_job.h"

namespace tessarine {
namespace {

struct Placed {
    std::string text;
    int column = 0;
    int row = 0;
};

struct PlannerPage {
    std::string title;
    std::vector<Placed> texts;
};

struct PlannerCase {
    const char* name;
    int format;
    DateSerial gridDate;
    std::vector<PlannerPage> pages;
    LocaleNames names = EnglishLocaleNames();
};

// The content area of each planner cut into equal cells: box texts sit 0.02
// inch inside a cell's corner.
struct PlannerGrid {
    int columns;
    int rows;
    std::size_t boxes;  // day (and notes) boxes, each with one text
};

void CheckPlanner(const PlannerGrid& grid, const std::vector<PlannerCase>& cases) {
    for (const PlannerCase& c : cases) {
        SCOPED_TRACE(c.name);
        const PrintedJob job(c.format, c.gridDate, static_cast<int>(c.pages.size()), c.names);
        ASSERT_EQ(job.Recording().DocumentsEnded(), static_cast<int>(c.pages.size()));
        for (std::size_t p = 0; p < c.pages.size(); ++p) {
            const int document = static_cast<int>(p) + 1;
            const auto title = job.Recording().FindText(c.pages[p].title, document);
            ASSERT_TRUE(title.has_value()) << c.pages[p].title;
            EXPECT_EQ(title->font, (PrintFont{"Arial", 14, kFontBold}));
            EXPECT_NEAR(job.YIn(title->y1), job.T + 0.02, 0.002);
            for (const Placed& text : c.pages[p].texts) {
                EXPECT_TRUE(job.TextInCell(document, text.text, text.column, text.row, grid.columns,
                                           grid.rows))
                    << text.text << " on page " << document;
            }
            std::size_t boxTexts = 0;
            for (const RecordedPrintCall& text : job.Recording().Texts(document)) {
                boxTexts += text.font == PrintFont{"Arial", 14, kFontPlain} ? 1 : 0;
            }
            EXPECT_EQ(boxTexts, grid.boxes);
            // The band and the boxes, white with a 4-pixel pen; the last box
            // ends at the content area's bottom-right corner.
            const auto boxes = job.Recording().Rectangles(document);
            ASSERT_EQ(boxes.size(), grid.boxes + 1);
            for (const RecordedPrintCall& box : boxes) {
                EXPECT_EQ(box.penWidth, 4);
                EXPECT_EQ(box.gray, 255);
            }
            EXPECT_NEAR(job.XIn(boxes.back().x2), job.L + job.W, 0.002);
            EXPECT_NEAR(job.YIn(boxes.back().y2), job.T + job.H, 0.002);
            EXPECT_NEAR(job.YIn(boxes.front().y2), job.T + job.H / grid.rows, 0.002);
        }
    }
}

TEST(PlannerLayoutsTest, BiweeklyPlannerShowsTwoWeeksFromTheMondayOn) {
    LocaleNames french;
    french.longDayNames = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
    french.longMonthNames[2] = "mars";
    CheckPlanner(
        {2, 8, 14},
        {{"Wednesday: back to Sunday, the page starts on Monday",
          2,
          EncodeDateSerial(2025, 3, 5),
          {{"March 3, 2025 to March 16, 2025",
            {{"Monday 3", 0, 1}, {"Sunday 9", 0, 7}, {"Monday 10", 1, 1}, {"Sunday 16", 1, 7}}},
           {"March 17, 2025 to March 30, 2025", {{"Monday 17", 0, 1}, {"Sunday 30", 1, 7}}}}},
         {"wide, across a year end",
          3,
          EncodeDateSerial(2024, 12, 29),
          {{"December 30, 2024 to January 12, 2025",
            {{"Monday 30", 0, 1},
             {"Tuesday 31", 0, 2},
             {"Wednesday 1", 0, 3},
             {"Sunday 12", 1, 7}}}}},
         {"locale names",
          2,
          EncodeDateSerial(2025, 3, 2),
          {{"mars 3, 2025 to mars 16, 2025", {{"lundi 3", 0, 1}, {"dimanche 16", 1, 7}}}},
          french}});
}

TEST(PlannerLayoutsTest, WeeklyPlannerShowsSevenDaysAndNotes) {
    CheckPlanner({2, 9, 8},
                 {{"two pages",
                   4,
                   EncodeDateSerial(2024, 5, 15),
                   {{"May 13, 2024 to May 19, 2024",
                     {{"Monday 13", 0, 1},
                      {"Thursday 16", 0, 7},
                      {"Friday 17", 1, 1},
                      {"Sunday 19", 1, 5},
                      {"Notes", 1, 7}}},
                    {"May 20, 2024 to May 26, 2024", {{"Monday 20", 0, 1}, {"Notes", 1, 7}}}}},
                  {"wide",
                   5,
                   EncodeDateSerial(2025, 3, 9),
                   {{"March 10, 2025 to March 16, 2025",
                     {{"Monday 10", 0, 1}, {"Sunday 16", 1, 5}, {"Notes", 1, 7}}}}}});
}

TEST(PlannerLayoutsTest, TwoDayPlannerStartsOnTheGridDate) {
    CheckPlanner(
        {2, 9, 2},
        {{"two pages",
          6,
          EncodeDateSerial(2025, 1, 31),
          {{"January 31, 2025 to February 1, 2025", {{"Friday 31", 0, 1}, {"Saturday 1", 1, 1}}},
           {"February 2, 2025 to February 3, 2025", {{"Sunday 2", 0, 1}, {"Monday 3", 1, 1}}}}},
         {"wide, across a year end",
          7,
          EncodeDateSerial(2024, 12, 31),
          {{"December 31, 2024 to January 1, 2025",
            {{"Tuesday 31", 0, 1}, {"Wednesday 1", 1, 1}}}}}});
}

}  // namespace
}  // namespace tessarine
