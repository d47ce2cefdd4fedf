// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_object.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "support/recording_print_device.h"

namespace tessarine {

// Sets what only the engine sets: furniture the layouts leave empty, and
// automatic breaks turned off.
struct TPrintObjectTestPeer {
    static TPrintObjectState& State(TPrintObject& engine) { return engine.state_; }
};

namespace {

using Kind = RecordedPrintCall::Kind;

class PrintObjectTest : public ::testing::Test {
  protected:
    // Letter at 600 dpi, quarter-inch strips unless a test changes them.
    void Open(RecordingPrinterConfig config = {}) {
        engine_.reset();  // before the device it draws on
        device_.reset();
        printer_ = std::make_unique<RecordingPrinter>(std::move(config));
        device_ = printer_->Factory()();
        engine_ = std::make_unique<TPrintObject>(*device_);
        engine_->BeginPrint();
    }
    const PrintRecording& Recording() const { return printer_->Recording(); }

    std::unique_ptr<RecordingPrinter> printer_;
    std::unique_ptr<PrintDevice> device_;
    std::unique_ptr<TPrintObject> engine_;
};

TEST_F(PrintObjectTest, NewEngineStartsEmptyAndBeginPrintReadsThePrinter) {
    RecordingPrinter printer;
    auto device = printer.Factory()();
    TPrintObject engine(*device);
    EXPECT_EQ(engine.State().AutoNewPage, 0);
    EXPECT_EQ(engine.State().PixelsPerInchX, 0);
    EXPECT_FALSE(engine.DocumentOpen());

    RecordingPrinterConfig config;
    config.pixelsPerInchX = 300;
    config.pixelsPerInchY = 600;
    config.sheet = {2550, 6600};
    config.strips = {60, 90, 30, 120};
    Open(config);
    const TPrintObject& e = *engine_;
    EXPECT_EQ(e.State().AutoNewPage, 1);
    EXPECT_EQ(e.State().PixelsPerInchX, 300);
    EXPECT_EQ(e.State().PixelsPerInchY, 600);
    EXPECT_FLOAT_EQ(e.State().PhysicalWidthIn, 8.5f);
    EXPECT_FLOAT_EQ(e.State().PhysicalHeightIn, 11.0f);
    EXPECT_EQ(e.State().LeftOffsetPx, 60);
    EXPECT_EQ(e.State().TopOffsetPx, 90);
    EXPECT_EQ(e.State().RightOffsetPx, 30);
    EXPECT_EQ(e.State().BottomOffsetPx, 120);
    // The margins start at the strips.
    EXPECT_EQ(e.State().LeftMarginPx, 60);
    EXPECT_EQ(e.State().TopMarginPx, 90);
    EXPECT_EQ(e.State().RightMarginPx, 30);
    EXPECT_EQ(e.State().BottomMarginPx, 120);
    EXPECT_EQ(e.State().CurrentLineY, 0.0f);

    std::uint16_t w = 0, h = 0, top = 0, bottom = 0, left = 0, right = 0, rx = 0, ry = 0;
    e.GetPrintableSize(w, h);
    e.GetUnprintableMargins(top, bottom, left, right);
    e.GetResolution(rx, ry);
    EXPECT_EQ(w, 2550 - 60 - 30);
    EXPECT_EQ(h, 6600 - 90 - 120);
    EXPECT_EQ((std::array<int, 6>{top, bottom, left, right, rx, ry}),
              (std::array<int, 6>{90, 120, 60, 30, 300, 600}));
}

TEST_F(PrintObjectTest, BeginPrintClearsFurnitureLeftFromBefore) {
    Open();
    engine_->SetFooterLine(2, "old", 1.0f, 0, "Arial", 10, kFontBold);
    TPrintObjectTestPeer::State(*engine_).HeaderLines[0].Text = "old header";
    TPrintObjectTestPeer::State(*engine_).HeaderBox.Enabled = 1;
    TPrintObjectTestPeer::State(*engine_).FooterBox.Gray = 200;
    TPrintObjectTestPeer::State(*engine_).PageNumber.Text = "Page %d";
    engine_->EndPrint();

    engine_->BeginPrint();
    EXPECT_TRUE(engine_->State().FooterLines[1].Text.empty());
    EXPECT_TRUE(engine_->State().HeaderLines[0].Text.empty());
    EXPECT_EQ(engine_->State().HeaderBox.Enabled, 0);
    EXPECT_EQ(engine_->State().FooterBox.Gray, 0);
    EXPECT_TRUE(engine_->State().PageNumber.Text.empty());
}

TEST_F(PrintObjectTest, MarginsAreRaisedToTheStripsAndFallBackWhenUnusable) {
    Open();  // strips of 150 px = 0.25 inch
    engine_->SetMargins(0.75f, 0.75f, 0.75f, 0.75f);
    EXPECT_EQ(engine_->State().TopMarginPx, 450);
    EXPECT_EQ(engine_->State().BottomMarginPx, 450);
    EXPECT_EQ(engine_->State().LeftMarginPx, 450);
    EXPECT_EQ(engine_->State().RightMarginPx, 450);

    // Left + right fill the 8.5-inch sheet: both go back to the strips, the
    // vertical ones stay.
    engine_->SetMargins(1.0f, 1.0f, 5.0f, 5.0f);
    EXPECT_EQ(engine_->State().LeftMarginPx, 150);
    EXPECT_EQ(engine_->State().RightMarginPx, 150);
    EXPECT_EQ(engine_->State().TopMarginPx, 600);

    // Not positive: that side alone falls back.
    engine_->SetMargins(0.0f, -1.0f, 1.0f, 0.0f);
    EXPECT_EQ(engine_->State().TopMarginPx, 150);
    EXPECT_EQ(engine_->State().BottomMarginPx, 150);
    EXPECT_EQ(engine_->State().LeftMarginPx, 600);
    EXPECT_EQ(engine_->State().RightMarginPx, 150);

    engine_->SetMargins(6.0f, 5.0f, 1.0f, 1.0f);  // exactly the 11-inch height
    EXPECT_EQ(engine_->State().TopMarginPx, 150);
    EXPECT_EQ(engine_->State().BottomMarginPx, 150);

    RecordingPrinterConfig wide;
    wide.strips = {600, 600, 600, 600};  // one-inch strips
    Open(wide);
    engine_->SetMargins(0.75f, 0.75f, 0.75f, 0.75f);
    EXPECT_EQ(engine_->State().TopMarginPx, 600);
    EXPECT_EQ(engine_->State().BottomMarginPx, 600);
    EXPECT_EQ(engine_->State().LeftMarginPx, 600);
    EXPECT_EQ(engine_->State().RightMarginPx, 600);
}

TEST_F(PrintObjectTest, WriteTextPlacesOnTheCanvasAndClampsToTheStrips) {
    RecordingPrinterConfig config;
    config.strips = {100, 80, 150, 150};
    Open(config);
    engine_->SetMargins(0.75f, 0.75f, 1.0f, 0.75f);
    engine_->SetFont("Arial", 11, kFontPlain);

    engine_->WriteText("margin", -1.0f, 2.0f);
    engine_->WriteText("top", 3.0f, 0.0f);
    engine_->WriteText("edge", 0.05f, 1.0f);
    engine_->WriteText("below", 2.0f, 12.0f);
    const auto texts = Recording().Texts();
    ASSERT_EQ(texts.size(), 4u);
    // X < 0 starts at the left margin (600 px from the sheet edge).
    EXPECT_EQ(texts[0].x1, 600 - 100);
    EXPECT_EQ(texts[0].y1, 1200 - 80);
    // Y = 0 is clamped to the top strip: canvas row 0.
    EXPECT_EQ(texts[1].x1, 1800 - 100);
    EXPECT_EQ(texts[1].y1, 0);
    // Left of the printable area: clamped to it.
    EXPECT_EQ(texts[2].x1, 0);
    // Below the sheet: the bottom of the printable area.
    EXPECT_EQ(texts[3].y1, 6600 - 150 - 80);
    EXPECT_EQ(texts[0].font, (PrintFont{"Arial", 11, kFontPlain}));
    EXPECT_FLOAT_EQ(engine_->State().CurrentLineY, 12.0f);
}

TEST_F(PrintObjectTest, NextLineWritesFlowAndBreakToANewSheet) {
    Open();
    engine_->SetFont("Arial", 11, kFontPlain);
    // 11 pt at 600 dpi: em 91, height 104, leading 2.
    const float h = engine_->LineHeight();
    EXPECT_FLOAT_EQ(h, 106.0f / 600.0f);
    engine_->SetFooterLine(1, "Footer", 10.3f, 0, "Arial", 10, kFontBold);
    engine_->SetLineArea(1.0f, 2.0f);

    engine_->WriteText("one", -1.0f, -1.0f);
    engine_->WriteText("two", -1.0f, -1.0f);
    engine_->WriteText("three", -1.0f, -1.0f);
    engine_->WriteText("same", 4.0f, -2.0f);
    auto texts = Recording().Texts();
    ASSERT_EQ(texts.size(), 4u);
    // Up to the truncation of each float sum to whole pixels.
    EXPECT_NEAR(texts[0].y1, 600 - 150, 1);
    EXPECT_NEAR(texts[1].y1, (1.0 + h) * 600 - 150, 1);
    EXPECT_NEAR(texts[2].y1, (1.0 + 2 * h) * 600 - 150, 1);
    EXPECT_EQ(texts[3].y1, texts[2].y1);
    EXPECT_EQ(texts[3].x1, 2400 - 150);

    // Lines go on while their top stays inside the area: 1 + 5h is the last.
    for (int i = 0; i < 3; ++i) {
        engine_->WriteText("more", -1.0f, -1.0f);
    }
    EXPECT_TRUE(Recording().Of(Kind::NewPage).empty());
    EXPECT_NEAR(engine_->State().CurrentLineY, 1.0 + 5 * h, 1e-5);

    engine_->WriteText("next sheet", -1.0f, -1.0f);
    ASSERT_EQ(Recording().Of(Kind::NewPage).size(), 1u);
    const auto footer = Recording().FindText("Footer");
    ASSERT_TRUE(footer.has_value());
    EXPECT_EQ(footer->page, 1);  // the finished page got its furniture first
    EXPECT_EQ(footer->font, (PrintFont{"Arial", 10, kFontBold}));
    const auto moved = Recording().FindText("next sheet");
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(moved->page, 2);
    EXPECT_NEAR(moved->y1, 600 - 150, 1);
    EXPECT_EQ(moved->font, (PrintFont{"Arial", 11, kFontPlain}));
}

TEST_F(PrintObjectTest, NextLineDoesNotBreakWhenAutomaticBreaksAreOff) {
    Open();
    engine_->SetFont("Arial", 11, kFontPlain);
    engine_->SetLineArea(1.0f, 1.1f);
    TPrintObjectTestPeer::State(*engine_).AutoNewPage = 0;
    engine_->WriteText("a", -1.0f, -1.0f);
    engine_->WriteText("b", -1.0f, -1.0f);
    EXPECT_TRUE(Recording().Of(Kind::NewPage).empty());
    EXPECT_GT(Recording().Texts()[1].y1, Recording().Texts()[0].y1);
}

TEST_F(PrintObjectTest, AnchoredTextLandsOnItsAnchor) {
    RecordingPrinterConfig config;
    config.strips = {100, 150, 250, 150};  // unequal side strips
    Open(config);
    engine_->SetMargins(0.75f, 0.75f, 0.75f, 0.75f);
    engine_->SetFont("Arial", 10, kFontPlain);

    // "31" at 10 pt: 2 x 41 px wide, 95 px high.
    engine_->WriteTextBottomRight("31", 3.0f, 4.0f);
    engine_->WriteTextBottomCentred("Mon", 3.0f, 4.0f);
    engine_->WriteTextCentred("Title", 1.0f);
    engine_->WriteTextFlushRight("Right", 2.0f);
    const auto texts = Recording().Texts();
    ASSERT_EQ(texts.size(), 4u);
    const int sheetRight = 1800, sheetBottom = 2400;  // 3 and 4 inches at 600 dpi
    EXPECT_NEAR(texts[0].x2 + 100, sheetRight, 1);
    EXPECT_NEAR(texts[0].y2 + 150, sheetBottom, 1);
    EXPECT_NEAR(texts[1].x1 + 100 + texts[1].width / 2.0, sheetRight, 1.5);
    EXPECT_NEAR(texts[1].y2 + 150, sheetBottom, 1);
    // Centred on the printable area, whose middle lies at
    // (5100 - 250 + 100) / 2 from the sheet edge.
    EXPECT_NEAR(texts[2].x1 + 100 + texts[2].width / 2.0, 2475, 1.5);
    EXPECT_EQ(texts[2].y1, 600 - 150);
    // Flush right ends at the printable width measured from the sheet's
    // left edge.
    EXPECT_NEAR(texts[3].x2 + 100, 5100 - 100 - 250, 1);
}

TEST_F(PrintObjectTest, FlushRightTextWiderThanThePageStartsAtTheLeft) {
    Open();
    engine_->SetFont("Arial", 72, kFontPlain);  // 300 px per character
    engine_->WriteTextFlushRight(std::string(20, 'W'), 2.0f);
    ASSERT_EQ(Recording().Texts().size(), 1u);
    EXPECT_EQ(Recording().Texts()[0].x1, 0);
}

TEST_F(PrintObjectTest, BoxesConvertCornersAndFillWhiteOrGrey) {
    RecordingPrinterConfig config;
    config.strips = {100, 80, 150, 150};
    Open(config);
    engine_->DrawBox(4, 0.75f, 1.0f, 2.5f, 3.3f);
    engine_->DrawShadedBox(2, 225, 1.0f, 1.0f, 1.5f, 1.5f);
    const auto boxes = Recording().Rectangles();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].x1, 450 - 100);
    EXPECT_EQ(boxes[0].y1, 600 - 80);
    EXPECT_EQ(boxes[0].x2, 1500 - 100);
    EXPECT_EQ(boxes[0].y2, static_cast<int>(std::trunc(static_cast<double>(3.3f) * 600)) - 80);
    EXPECT_EQ(boxes[0].penWidth, 4);
    EXPECT_EQ(boxes[0].gray, 255);
    EXPECT_EQ(boxes[1].gray, 225);
    EXPECT_EQ(boxes[1].penWidth, 2);
}

TEST_F(PrintObjectTest, FooterLinesPrintAtEndWithTheirFontAndLeaveTheFontAsItWas) {
    Open();
    engine_->SetMargins(0.75f, 0.75f, 0.75f, 0.75f);
    engine_->SetFont("Arial", 11, kFontPlain);
    engine_->SetFooterLine(1, "Month View", 10.27f, 0, "Arial", 10, kFontBold);
    engine_->SetFooterLine(3, "centred", 10.5f, 1, "Arial", 9, kFontPlain);
    engine_->SetFooterLine(5, "right", 10.5f, 2, "Arial", 9, kFontItalic);
    engine_->SetFooterLine(6, "ignored", 1.0f, 0, "Arial", 30, kFontBold);
    engine_->SetFooterLine(0, "ignored too", 1.0f, 0, "Arial", 30, kFontBold);
    for (const TFooterRecord& line : engine_->State().FooterLines) {
        EXPECT_NE(line.Text, "ignored");
        EXPECT_NE(line.Text, "ignored too");
    }
    EXPECT_TRUE(Recording().Texts().empty());  // nothing printed before the page ends

    engine_->EndPrint();
    const auto texts = Recording().Texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Month View");
    EXPECT_EQ(texts[0].x1, 450 - 150);
    EXPECT_EQ(texts[0].y1, static_cast<int>(std::trunc(static_cast<double>(10.27f) * 600)) - 150);
    EXPECT_EQ(texts[0].font, (PrintFont{"Arial", 10, kFontBold}));
    EXPECT_EQ(texts[1].text, "centred");
    EXPECT_NEAR(texts[1].x1 + 150 + texts[1].width / 2.0, 2550, 1.5);
    EXPECT_EQ(texts[2].font.style, kFontItalic);
    EXPECT_NEAR(texts[2].x2 + 150, 5100 - 300, 1);

    // Every furniture step hands back the font it found.
    EXPECT_EQ(device_->Font(), (PrintFont{"Arial", 11, kFontPlain}));
    EXPECT_EQ(Recording().DocumentsEnded(), 1);
    EXPECT_FALSE(engine_->DocumentOpen());
}

TEST_F(PrintObjectTest, FailingFurnitureStillHandsBackTheFontAndTheBreaks) {
    RecordingPrinterConfig config;
    config.failAfterTexts = 1;  // the second text fails
    Open(config);
    engine_->SetFont("Arial", 11, kFontPlain);
    engine_->SetFooterLine(1, "Month View", 10.27f, 0, "Arial", 10, kFontBold);
    engine_->SetFooterLine(2, "second", 10.5f, 0, "Arial", 9, kFontItalic);
    EXPECT_THROW(engine_->PrintFooterLines(), PrintError);
    EXPECT_EQ(engine_->State().AutoNewPage, 1);
    EXPECT_EQ(device_->Font(), (PrintFont{"Arial", 11, kFontPlain}));

    TPrintObjectTestPeer::State(*engine_).PageNumber =
        TPageNumberRecord{10.5f, "Page %d", 1, "Arial", 9, kFontBold};
    EXPECT_THROW(engine_->PrintPageNumber(), PrintError);
    EXPECT_EQ(engine_->State().AutoNewPage, 1);
    EXPECT_EQ(device_->Font(), (PrintFont{"Arial", 11, kFontPlain}));
}

TEST_F(PrintObjectTest, EmptyFurnitureDrawsNothing) {
    Open();
    engine_->SetFont("Arial", 14, kFontBold);
    engine_->SetFooterLine(2, "", 5.0f, 0, "Courier", 30, kFontItalic);
    const std::size_t before = Recording().calls.size();
    engine_->EndPrint();
    EXPECT_TRUE(Recording().Texts().empty());
    EXPECT_TRUE(Recording().Rectangles().empty());
    // The empty line's font was never selected.
    for (std::size_t i = before; i < Recording().calls.size(); ++i) {
        EXPECT_NE(Recording().calls[i].font.name, "Courier");
    }
    EXPECT_EQ(device_->Font(), (PrintFont{"Arial", 14, kFontBold}));
}

TEST_F(PrintObjectTest, EnabledBoxesAndPageNumbersAreFurnitureToo) {
    Open();
    engine_->SetFont("Arial", 11, kFontPlain);
    engine_->SetLineArea(1.0f, 1.3f);
    TPrintObjectTestPeer::State(*engine_).PageNumber =
        TPageNumberRecord{10.5f, "Page %d", 1, "Arial", 9, kFontPlain};
    TPrintObjectTestPeer::State(*engine_).HeaderBox = TPrintBox{1.0f, 0.5f, 7.5f, 0.9f, 1, 200, 3};
    TPrintObjectTestPeer::State(*engine_).FooterBox = TPrintBox{1.0f, 10.0f, 7.5f, 10.4f, 1, 0, 2};
    TPrintObjectTestPeer::State(*engine_).ClosingLine =
        TPageNumberRecord{10.8f, "The end %d", 0, "Arial", 9, kFontPlain};
    for (int i = 0; i < 3; ++i) {
        engine_->WriteText("line", -1.0f, -1.0f);
    }
    engine_->EndPrint();

    const auto numbers = Recording().Texts();
    std::vector<std::string> furniture;
    for (const auto& t : numbers) {
        if (t.text != "line") {
            furniture.push_back(t.text + "@" + std::to_string(t.page));
        }
    }
    EXPECT_EQ(furniture, (std::vector<std::string>{"Page 1@1", "Page 2@2", "The end %d@2"}));
    const auto boxes = Recording().Rectangles();
    ASSERT_EQ(boxes.size(), 4u);  // header and footer box on each sheet
    EXPECT_EQ(boxes[0].gray, 200);
    EXPECT_EQ(boxes[0].penWidth, 3);
    EXPECT_EQ(boxes[1].gray, 255);
}

TEST_F(PrintObjectTest, LifecycleIsGuardedAndAFailedPageFreesThePrinter) {
    Open();
    EXPECT_THROW(engine_->SetOrientation(PageOrientation::Landscape), std::logic_error);
    EXPECT_THROW(engine_->BeginPrint(), std::logic_error);
    engine_.reset();  // freed with the document still open
    EXPECT_EQ(Recording().Of(Kind::AbortDocument).size(), 1u);

    RecordingPrinterConfig failing;
    failing.failOnBeginOfDocument = 1;
    failing.failureMessage = "No paper";
    RecordingPrinter printer(failing);
    auto device = printer.Factory()();
    TPrintObject engine(*device);
    engine.SetOrientation(PageOrientation::Landscape);
    try {
        engine.BeginPrint();
        FAIL() << "BeginPrint should have failed";
    } catch (const PrintError& error) {
        EXPECT_STREQ(error.what(), "No paper");
    }
    EXPECT_FALSE(engine.DocumentOpen());
    EXPECT_THROW(engine.WriteText("x", 1.0f, 1.0f), std::logic_error);
}

TEST_F(PrintObjectTest, PrinterWithoutAResolutionIsRefusedAndItsDocumentDiscarded) {
    RecordingPrinterConfig config;
    config.pixelsPerInchY = 0;
    RecordingPrinter printer(config);
    auto device = printer.Factory()();
    {
        TPrintObject engine(*device);
        EXPECT_THROW(engine.BeginPrint(), PrintError);
    }
    EXPECT_EQ(printer.Recording().Of(Kind::AbortDocument).size(), 1u);
}

TEST_F(PrintObjectTest, LandscapeTurnsTheSheetAndItsStrips) {
    RecordingPrinterConfig config;
    config.strips = {100, 80, 150, 120};
    engine_.reset();
    printer_ = std::make_unique<RecordingPrinter>(config);
    device_ = printer_->Factory()();
    engine_ = std::make_unique<TPrintObject>(*device_);
    engine_->SetOrientation(PageOrientation::Landscape);
    engine_->BeginPrint();
    EXPECT_EQ(engine_->State().PhysicalWidthPx, 6600);
    EXPECT_EQ(engine_->State().PhysicalHeightPx, 5100);
    EXPECT_EQ(engine_->State().LeftOffsetPx, 80);
    EXPECT_EQ(engine_->State().TopOffsetPx, 150);
    EXPECT_EQ(engine_->State().RightOffsetPx, 120);
    EXPECT_EQ(engine_->State().BottomOffsetPx, 100);
}

TEST_F(PrintObjectTest, PrintableSizeIsSixteenBitArithmetic) {
    RecordingPrinterConfig config;
    config.pixelsPerInchX = 4800;
    config.pixelsPerInchY = 4800;
    config.sheet = {40800, 67200};  // 8.5 x 14 inches
    config.strips = {0, 0, 0, 0};
    Open(config);
    std::uint16_t w = 0, h = 0;
    engine_->GetPrintableSize(w, h);
    EXPECT_EQ(w, 40800);
    EXPECT_EQ(h, 67200 - 65536);
}

TEST(FormatPageNumberTest, ReplacesOnlyTheNumberAndPercent) {
    EXPECT_EQ(FormatPageNumber("Page %d", 3), "Page 3");
    EXPECT_EQ(FormatPageNumber("%d%% of %d", 7), "7% of 7");
    EXPECT_EQ(FormatPageNumber("%s %x %", 2), "%s %x %");
    EXPECT_EQ(FormatPageNumber("", 2), "");
}

}  // namespace
}  // namespace tessarine
