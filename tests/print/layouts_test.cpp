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

constexpr int kAnywhere = -1;

// A text 0.02 inch inside the top-left corner of cell (column, row), the
// content area cut into the layout's columns x rows; a title anywhere.
struct Placed {
    std::string text;
    int column = kAnywhere;
    int row = 0;
    bool shown = true;
};

struct Job {
    int format;
    DateSerial gridDate;
    std::vector<std::vector<Placed>> pages;
    LocaleNames names = EnglishLocaleNames();
};

class PrintedJob {
  public:
    explicit PrintedJob(const Job& job)
        : wide_(PageFormats()[static_cast<std::size_t>(job.format)].wide != 0) {
        PrintJobState state{job.gridDate, job.format, static_cast<int>(job.pages.size()) - 1};
        PrintPages(state, PrintEnvironment{printer_.Factory(), nullptr, false, false, job.names});
    }
    const PrintRecording& Recording() const { return printer_.Recording(); }
    double W() const { return (wide_ ? 11.0 : 8.5) - 1.5; }
    double H() const { return (wide_ ? 8.5 : 11.0) - 1.5; }
    static double In(int canvasPixels) { return (canvasPixels + 150) / 600.0; }

    bool Shows(int document, const Placed& placed, int columns, int rows) const {
        const double x = 0.75 + placed.column * W() / columns + 0.02;
        const double y = 0.75 + placed.row * H() / rows + 0.02;
        for (const RecordedPrintCall& text : Recording().Texts(document)) {
            if (text.text == placed.text &&
                (placed.column == kAnywhere ||
                 (std::abs(In(text.x1) - x) < 0.002 && std::abs(In(text.y1) - y) < 0.002))) {
                return true;
            }
        }
        return false;
    }

  private:
    RecordingPrinter printer_;
    bool wide_;
};

using PageCheck = std::function<void(const PrintedJob& job, int document)>;

void CheckLayout(int columns, int rows, const std::vector<Job>& jobs, const PageCheck& check) {
    for (const Job& job : jobs) {
        SCOPED_TRACE(PageFormats()[static_cast<std::size_t>(job.format)].listText);
        const PrintedJob printed(job);
        ASSERT_EQ(printed.Recording().DocumentsEnded(), static_cast<int>(job.pages.size()));
        for (std::size_t page = 0; page < job.pages.size(); ++page) {
            const int document = static_cast<int>(page) + 1;
            for (const Placed& placed : job.pages[page]) {
                EXPECT_EQ(printed.Shows(document, placed, columns, rows), placed.shown)
                    << placed.text << " at " << placed.column << "," << placed.row << ", page "
                    << document;
            }
            check(printed, document);
        }
    }
}

// The band and every box framed white with a 4-pixel pen, the band one row
// tall, the last box ending at the content area's corner; a 14-point text in
// each box.
PageCheck PlannerBoxes(int rows, std::size_t boxes) {
    return [rows, boxes](const PrintedJob& job, int document) {
        const auto frames = job.Recording().Rectangles(document);
        ASSERT_EQ(frames.size(), boxes + 1);
        for (const RecordedPrintCall& frame : frames) {
            EXPECT_EQ(frame.penWidth, 4);
            EXPECT_EQ(frame.gray, 255);
        }
        EXPECT_NEAR(PrintedJob::In(frames.front().y2), 0.75 + job.H() / rows, 0.002);
        EXPECT_NEAR(PrintedJob::In(frames.back().x2), 0.75 + job.W(), 0.002);
        EXPECT_NEAR(PrintedJob::In(frames.back().y2), 0.75 + job.H(), 0.002);
        std::size_t captions = 0;
        for (const RecordedPrintCall& text : job.Recording().Texts(document)) {
            captions += text.font == PrintFont{"Arial", 14, kFontPlain} ? 1 : 0;
        }
        EXPECT_EQ(captions, boxes);
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
                    {"Sunday 29", kAnywhere, 0, false},
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
                 {5,
                  EncodeDateSerial(2025, 3, 9),
                  {{{"March 10, 2025 to March 16, 2025"}, {"Sunday 16", 1, 5}, {"Notes", 1, 7}}}}},
                PlannerBoxes(9, 8));
}

TEST(LayoutsTest, TwoDayPlanner) {
    CheckLayout(
        2, 9,
        {{6,
          EncodeDateSerial(2025, 1, 31),
          {{{"January 31, 2025 to February 1, 2025"}, {"Friday 31", 0, 1}, {"Saturday 1", 1, 1}},
           {{"February 2, 2025 to February 3, 2025"}, {"Sunday 2", 0, 1}, {"Monday 3", 1, 1}}}},
         {7,
          EncodeDateSerial(2024, 12, 31),
          {{{"December 31, 2024 to January 1, 2025"},
            {"Tuesday 31", 0, 1},
            {"Wednesday 1", 1, 1}}}}},
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
                [](const PrintedJob& job, int document) {
                    // Only the band is framed, three quarters of a row tall; month
                    // names straddle their block's top edge.
                    const auto frames = job.Recording().Rectangles(document);
                    ASSERT_EQ(frames.size(), 1u);
                    EXPECT_NEAR(PrintedJob::In(frames[0].y2), 0.75 + 0.75 * job.H() / 9, 0.002);
                    const auto june = job.Recording().FindText("June", document);
                    ASSERT_TRUE(june.has_value());
                    EXPECT_NEAR((PrintedJob::In(june->x1) + PrintedJob::In(june->x2)) / 2,
                                0.75 + 2.5 * job.W() / 3 + 0.02, 0.002);
                    EXPECT_NEAR(PrintedJob::In(june->y2), 0.75 + 3 * job.H() / 9 + 0.12, 0.002);
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
        [](const PrintedJob& job, int document) {
            // The band, then 37 boxes in each of rows 1 to 13, grey on the
            // weekend columns.
            const auto frames = job.Recording().Rectangles(document);
            ASSERT_EQ(frames.size(), 1u + 13 * 37);
            for (std::size_t f = 1; f < frames.size(); ++f) {
                const long column =
                    std::lround((PrintedJob::In(frames[f].x1) - 0.75) * 42 / job.W());
                EXPECT_EQ(frames[f].gray, (column - 5) % 7 >= 5 ? 225 : 255) << column;
            }
            EXPECT_NEAR(PrintedJob::In(frames.back().y2), 0.75 + job.H(), 0.002);
        });
}

}  // namespace
}  // namespace tessarine
