// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/page_frame.h"

#include <memory>
#include <stdexcept>

#include "calendar/text_catalog.h"

namespace tessarine {

namespace {

// Busy from construction until the end of the scope, however it ends.
class BusyCursorScope {
  public:
    explicit BusyCursorScope(BusyCursor* cursor) : cursor_(cursor) {
        if (cursor_ != nullptr) {
            cursor_->Show();
        }
    }
    ~BusyCursorScope() {
        if (cursor_ != nullptr) {
            cursor_->Restore();
        }
    }
    BusyCursorScope(const BusyCursorScope&) = delete;
    BusyCursorScope& operator=(const BusyCursorScope&) = delete;

  private:
    BusyCursor* cursor_;
};

float MarginFromStrip(std::int32_t strip, std::int32_t pixelsPerInch) {
    const double stripInches = static_cast<double>(strip) / pixelsPerInch;
    return stripInches > kPageMarginInches ? static_cast<float>(stripInches) : kPageMarginInches;
}

}  // namespace

PageFrame MeasurePageFrame(const TPrintObject& engine) {
    // The engine's 32-bit fields, not its 16-bit getters: a sheet of more
    // than 65,535 device pixels (legal paper at 4800 dpi) would wrap there.
    // With the document open, both resolutions are positive.
    if (!engine.DocumentOpen()) {
        throw std::logic_error("MeasurePageFrame needs an open print document");
    }
    const TPrintObjectState& state = engine.State();
    const std::int32_t resolutionX = state.PixelsPerInchX;
    const std::int32_t resolutionY = state.PixelsPerInchY;

    PageFrame frame;
    frame.L = MarginFromStrip(state.LeftOffsetPx, resolutionX);
    frame.R = MarginFromStrip(state.RightOffsetPx, resolutionX);
    frame.T = MarginFromStrip(state.TopOffsetPx, resolutionY);
    frame.B = MarginFromStrip(state.BottomOffsetPx, resolutionY);
    // The printable area and both strips make up the whole sheet.
    const double sheetWidth = static_cast<double>(state.PhysicalWidthPx) / resolutionX;
    const double sheetHeight = static_cast<double>(state.PhysicalHeightPx) / resolutionY;
    frame.W = static_cast<float>(sheetWidth - frame.L - frame.R);
    frame.H = static_cast<float>(sheetHeight - frame.T - frame.B);
    return frame;
}

void SetFooterLabel(TPrintObject& engine, const PageFrame& frame, const std::string& label) {
    const double y = static_cast<double>(frame.T) + frame.H + kFooterGapInches;
    engine.SetFooterLine(1, label, static_cast<float>(y), 0, kPrintFontName, 10, kFontBold);
}

void DrawHeadingBand(TPrintObject& engine, const PageFrame& frame, const HeadingBand& band) {
    engine.SetFont(kPrintFontName, 11, kFontPlain);
    engine.ResetCurrentLine();
    engine.DrawBox(kBoxPen, frame.L, frame.T, band.right, band.bottom);
    engine.SetFont(kPrintFontName, band.titlePoints, kFontBold);
    engine.WriteTextCentred(band.title, Inches(static_cast<double>(frame.T) + kTextInset));
    engine.SetFont(kPrintFontName, 11, kFontPlain);
    SetFooterLabel(engine, frame, band.footerLabel);
}

void PrintFramedPage(const PrintEnvironment& environment, int wide, const PageContent& content) {
    BusyCursorScope busy(environment.cursor);
    const std::unique_ptr<PrintDevice> device =
        environment.makeDevice ? environment.makeDevice() : nullptr;
    if (!device) {
        throw PrintError(TESSARINE_TRANSLATE_NOOP("Errors", "No printer is available."));
    }
    // Declared after the device, so it is freed first; freeing it with the
    // document still open discards that document.
    TPrintObject engine(*device);
    engine.SetOrientation(wide != 0 ? PageOrientation::Landscape : PageOrientation::Portrait);
    engine.BeginPrint();
    engine.SetMargins(kPageMarginInches, kPageMarginInches, kPageMarginInches, kPageMarginInches);
    engine.SetFont(kPrintFontName, 11, kFontPlain);
    const PageFrame frame = MeasurePageFrame(engine);
    engine.SetLineArea(frame.T, static_cast<float>(static_cast<double>(frame.T) + frame.H));
    content(engine, frame);
    engine.EndPrint();
}

}  // namespace tessarine
