// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_job.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "print/page_frame.h"
#include "support/recording_print_device.h"

namespace tessarine {
namespace {

using Kind = RecordedPrintCall::Kind;

std::string Iso(DateSerial date) {
    return FormatDateSerial("yyyy-mm-dd", date);
}

struct LoopRun {
    std::vector<std::string> dates;
    std::vector<int> wide;
    PrintJobState end;
};

// Runs the page loop with a layout that only notes what it was given.
LoopRun RunLoop(DateSerial selected, int format, int pages) {
    LoopRun run;
    PrintJobState job{selected, format, pages - 1};
    PrintPages(job, [&run](const PageFormat& f, const PrintJobState& page) {
        run.dates.push_back(Iso(page.PrintPageDate));
        run.wide.push_back(f.wide);
    });
    run.end = job;
    return run;
}

TEST(PrintPagesTest, MonthPagesStartOnTheFirstOfEachMonth) {
    const LoopRun run = RunLoop(EncodeDateSerial(2024, 1, 15), 0, 13);
    ASSERT_EQ(run.dates.size(), 13u);
    EXPECT_EQ(run.dates.front(), "2024-01-01");
    EXPECT_EQ(run.dates[1], "2024-02-01");
    EXPECT_EQ(run.dates[11], "2024-12-01");
    EXPECT_EQ(run.dates.back(), "2025-01-01");
    EXPECT_EQ(run.end.PrintPagesLeft, -1);
    EXPECT_EQ(Iso(run.end.PrintPageDate), "2025-02-01");  // left after the last step

    // 2023-02-01 + 31 is March 4th, aligned back to the 1st.
    const LoopRun february = RunLoop(EncodeDateSerial(2023, 2, 1), 1, 2);
    EXPECT_EQ(february.dates, (std::vector<std::string>{"2023-02-01", "2023-03-01"}));
    EXPECT_EQ(february.wide, (std::vector<int>{1, 1}));
}

TEST(PrintPagesTest, WeekPlannersGoBackToSundayOnceThenStep) {
    // Wednesday 2024-05-15, Weekly Planner.
    EXPECT_EQ(RunLoop(EncodeDateSerial(2024, 5, 15), 4, 3).dates,
              (std::vector<std::string>{"2024-05-12", "2024-05-19", "2024-05-26"}));
    // A Sunday stays; Biweekly steps 14 days.
    EXPECT_EQ(RunLoop(EncodeDateSerial(2024, 5, 12), 3, 2).dates,
              (std::vector<std::string>{"2024-05-12", "2024-05-26"}));
    // A Saturday goes back six days.
    EXPECT_EQ(RunLoop(EncodeDateSerial(2024, 5, 18), 2, 1).dates,
              (std::vector<std::string>{"2024-05-12"}));
}

TEST(PrintPagesTest, TwoDayPagesStartOnTheDateItself) {
    EXPECT_EQ(RunLoop(EncodeDateSerial(2024, 2, 28), 6, 2).dates,
              (std::vector<std::string>{"2024-02-28", "2024-03-01"}));
}

TEST(PrintPagesTest, YearPagesStartOnJanuaryFirstOfConsecutiveYears) {
    // After a leap year, +366 lands on January 1 itself.
    EXPECT_EQ(RunLoop(EncodeDateSerial(2024, 7, 4), 10, 2).dates,
              (std::vector<std::string>{"2024-01-01", "2025-01-01"}));
    // Otherwise on January 2, aligned back.
    const LoopRun view = RunLoop(EncodeDateSerial(2023, 7, 4), 9, 3);
    EXPECT_EQ(view.dates, (std::vector<std::string>{"2023-01-01", "2024-01-01", "2025-01-01"}));
    EXPECT_EQ(view.wide, (std::vector<int>{1, 1, 1}));
}

TEST(PrintPagesTest, CancelledOrUnknownFormatsPrintNothing) {
    EXPECT_TRUE(RunLoop(EncodeDateSerial(2024, 1, 1), -1, 0).dates.empty());
    EXPECT_TRUE(RunLoop(EncodeDateSerial(2024, 1, 1), 0, 0).dates.empty());
    EXPECT_TRUE(RunLoop(EncodeDateSerial(2024, 1, 1), 12, 3).dates.empty());
    EXPECT_EQ(RunLoop(EncodeDateSerial(2024, 1, 1), 11, 1).dates.size(), 1u);
}

TEST(PageFormatsTest, TableMatchesTheDialogList) {
    const auto& formats = PageFormats();
    EXPECT_STREQ(formats[0].listText, "Monthly View");
    EXPECT_STREQ(formats[5].listText, "Weekly Planner (wide format)");
    EXPECT_STREQ(formats[9].listText, "Yearly Calendar View (wide format)");
    EXPECT_STREQ(formats[11].footerLabel, "Yearly Planner");
    for (std::size_t i = 0; i < formats.size(); ++i) {
        EXPECT_EQ(formats[i].wide, static_cast<int>(i % 2)) << i;
        EXPECT_EQ(formats[i].layout, formats[i - i % 2].layout) << i;
    }
}

class RecordingCursor : public BusyCursor {
  public:
    void Show() override {
        ++shown;
        ++depth;
    }
    void Restore() override { --depth; }
    int shown = 0;
    int depth = 0;
};

TEST(PrintJobTest, MonthViewPagesAreSeparateDocumentsInTheirOrientation) {
    RecordingPrinter printer;
    RecordingCursor cursor;
    PrintEnvironment environment{printer.Factory(), &cursor, false, false, {}, {}};
    PrintJobState job{EncodeDateSerial(2024, 1, 15), 1, 12};
    PrintPages(job, environment);

    const PrintRecording& recording = printer.Recording();
    EXPECT_EQ(recording.devicesCreated, 13);
    EXPECT_EQ(recording.DocumentsEnded(), 13);
    EXPECT_EQ(cursor.shown, 13);
    EXPECT_EQ(cursor.depth, 0);
    ASSERT_TRUE(recording.FindText("January 2024", 1).has_value());
    ASSERT_TRUE(recording.FindText("June 2024", 6).has_value());
    ASSERT_TRUE(recording.FindText("January 2025", 13).has_value());
    for (const RecordedPrintCall& begin : recording.Of(Kind::BeginDocument)) {
        EXPECT_EQ(begin.orientation, PageOrientation::Landscape);
    }
    EXPECT_TRUE(recording.Of(Kind::NewPage).empty());  // one sheet per document
}

TEST(PrintJobTest, FailingPageEndsTheJobThereAndRestoresTheCursor) {
    RecordingPrinterConfig config;
    config.failOnBeginOfDocument = 3;
    config.failureMessage = "The printer is offline.";
    RecordingPrinter printer(config);
    RecordingCursor cursor;
    PrintEnvironment environment{printer.Factory(), &cursor, false, false, {}, {}};
    PrintJobState job{EncodeDateSerial(2024, 1, 15), 0, 4};
    try {
        PrintPages(job, environment);
        FAIL() << "the third page should fail";
    } catch (const PrintError& error) {
        EXPECT_STREQ(error.what(), "The printer is offline.");
    }
    EXPECT_EQ(printer.Recording().DocumentsEnded(), 2);
    EXPECT_EQ(printer.Recording().devicesCreated, 3);
    EXPECT_EQ(cursor.depth, 0);
    EXPECT_EQ(Iso(job.PrintPageDate), "2024-03-01");
    EXPECT_EQ(job.PrintPagesLeft, 2);
}

TEST(PrintJobTest, FailureInsideAPageDiscardsThatDocument) {
    RecordingPrinterConfig config;
    config.failAfterTexts = 5;
    RecordingPrinter printer(config);
    RecordingCursor cursor;
    PrintJobState job{EncodeDateSerial(2024, 1, 15), 0, 0};
    EXPECT_THROW(
        PrintPages(job, PrintEnvironment{printer.Factory(), &cursor, false, false, {}, {}}),
        PrintError);
    EXPECT_EQ(printer.Recording().Of(Kind::AbortDocument).size(), 1u);
    EXPECT_EQ(printer.Recording().DocumentsEnded(), 0);
    EXPECT_EQ(cursor.depth, 0);
}

TEST(PageFrameTest, MarginsRiseToWideStripsAndTheFooterSitsBelowTheContent) {
    RecordingPrinterConfig config;
    config.strips = {600, 120, 150, 720};  // 1 inch left, 1.2 inch bottom
    RecordingPrinter printer(config);
    PageFrame seen;
    PrintFramedPage(PrintEnvironment{printer.Factory(), nullptr, false, false, {}, {}}, 0,
                    [&seen](TPrintObject& engine, const PageFrame& frame) {
                        seen = frame;
                        SetFooterLabel(engine, frame, "Month View");
                        EXPECT_FLOAT_EQ(engine.State().LineAreaTop, frame.T);
                        EXPECT_FLOAT_EQ(engine.State().LineAreaBottom, frame.T + frame.H);
                        EXPECT_EQ(engine.State().LeftMarginPx, 600);
                        EXPECT_EQ(engine.State().RightMarginPx, 450);
                    });
    EXPECT_FLOAT_EQ(seen.L, 1.0f);
    EXPECT_FLOAT_EQ(seen.R, 0.75f);
    EXPECT_FLOAT_EQ(seen.T, 0.75f);
    EXPECT_FLOAT_EQ(seen.B, 1.2f);
    EXPECT_FLOAT_EQ(seen.W, 8.5f - 1.0f - 0.75f);
    EXPECT_FLOAT_EQ(seen.H, 11.0f - 0.75f - 1.2f);

    const auto footer = printer.Recording().FindText("Month View");
    ASSERT_TRUE(footer.has_value());
    EXPECT_EQ(footer->font, (PrintFont{"Arial", 10, kFontBold}));
    EXPECT_EQ(footer->x1, 0);  // the engine's left margin, the 1-inch strip
    EXPECT_NEAR(footer->y1 + 120, (0.75 + 9.05 + 0.02) * 600, 1);
    const auto begin = printer.Recording().Of(Kind::BeginDocument);
    ASSERT_EQ(begin.size(), 1u);
    EXPECT_EQ(begin[0].orientation, PageOrientation::Portrait);
}

// The frame reads the engine's 32-bit sheet size: through the 16-bit getters
// legal paper at 4800 dpi (40,800 x 67,200 pixels) wraps to a negative
// content area.
TEST(PageFrameTest, ContentAreaOfASheetBeyondSixteenBitPixels) {
    RecordingPrinterConfig config;
    config.pixelsPerInchX = 4800;
    config.pixelsPerInchY = 4800;
    config.sheet = {40800, 67200};
    config.strips = {480, 480, 480, 480};  // printable 66,240 pixels tall
    for (const int wide : {0, 1}) {
        RecordingPrinter printer(config);
        PageFrame seen;
        PrintFramedPage(PrintEnvironment{printer.Factory(), nullptr, false, false, {}, {}}, wide,
                        [&seen](TPrintObject& engine, const PageFrame& frame) {
                            seen = frame;
                            SetFooterLabel(engine, frame, "Month View");
                        });
        EXPECT_FLOAT_EQ(seen.W, wide == 0 ? 7.0f : 12.5f);
        EXPECT_FLOAT_EQ(seen.H, wide == 0 ? 12.5f : 7.0f);
        const auto footer = printer.Recording().FindText("Month View");
        ASSERT_TRUE(footer.has_value());
        EXPECT_NEAR(footer->y1 + 480, (0.75 + seen.H + 0.02) * 4800, 1);
    }
}

}  // namespace
}  // namespace tessarine
