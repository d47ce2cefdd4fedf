#include "print/page_frame.h"

#include <memory>

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

float MarginFromStrip(std::uint16_t strip, std::uint16_t pixelsPerInch) {
    const double stripInches = static_cast<double>(strip) / pixelsPerInch;
    return stripInches > kPageMarginInches ? static_cast<float>(stripInches) : kPageMarginInches;
}

}  // namespace

PageFrame MeasurePageFrame(const TPrintObject& engine) {
    std::uint16_t resolutionX = 0, resolutionY = 0;
    std::uint16_t top = 0, bottom = 0, left = 0, right = 0;
    std::uint16_t printableWidth = 0, printableHeight = 0;
    engine.GetResolution(resolutionX, resolutionY);
    engine.GetUnprintableMargins(top, bottom, left, right);
    engine.GetPrintableSize(printableWidth, printableHeight);
    if (resolutionX == 0 || resolutionY == 0) {
        throw PrintError("The printer reports no usable resolution.");
    }

    PageFrame frame;
    frame.L = MarginFromStrip(left, resolutionX);
    frame.R = MarginFromStrip(right, resolutionX);
    frame.T = MarginFromStrip(top, resolutionY);
    frame.B = MarginFromStrip(bottom, resolutionY);
    const double sheetWidth = static_cast<double>(printableWidth + left + right) / resolutionX;
    const double sheetHeight = static_cast<double>(printableHeight + top + bottom) / resolutionY;
    frame.W = static_cast<float>(sheetWidth - frame.L - frame.R);
    frame.H = static_cast<float>(sheetHeight - frame.T - frame.B);
    return frame;
}

void SetFooterLabel(TPrintObject& engine, const PageFrame& frame, const std::string& label) {
    const double y = static_cast<double>(frame.T) + frame.H + kFooterGapInches;
    engine.SetFooterLine(1, label, static_cast<float>(y), 0, kPrintFontName, 10, kFontBold);
}

void PrintFramedPage(const PrintEnvironment& environment, int wide, const PageContent& content) {
    BusyCursorScope busy(environment.cursor);
    if (!environment.makeDevice) {
        throw PrintError("No printer is available.");
    }
    const std::unique_ptr<PrintDevice> device = environment.makeDevice();
    if (!device) {
        throw PrintError("No printer is available.");
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
