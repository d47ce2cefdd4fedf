// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/standard_font_pdf.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "print/pdf_number.h"
#include "print/print_device_errors.h"
#include "print/sans_metrics.h"
#include "print/win_ansi_text.h"

namespace tessarine {

namespace {

constexpr int kPointsPerInch = 72;
constexpr int kDefaultPoints = 10;

struct SheetPoints {
    int width = 0;
    int height = 0;
};

// The sizes the printer path's page sizes have, in whole points.
SheetPoints PortraitPoints(Paper paper) {
    return paper == Paper::Letter ? SheetPoints{612, 792} : SheetPoints{595, 842};
}

SheetPoints OrientedPoints(Paper paper, PageOrientation orientation) {
    const SheetPoints portrait = PortraitPoints(paper);
    return orientation == PageOrientation::Landscape ? SheetPoints{portrait.height, portrait.width}
                                                     : portrait;
}

int PointsToPixels(double points) {
    return static_cast<int>(std::lround(points * StandardFontPdf::kResolution / kPointsPerInch));
}

int FontUnitsToPixels(long units, int pixelSize) {
    return static_cast<int>(std::lround(static_cast<double>(units) * pixelSize / kSansUnitsPerEm));
}

// A grey level as a fraction with at most three decimals.
void AppendGray(std::string& out, std::uint8_t gray) {
    AppendPdfNumber(out, gray / 255.0, 3);
}

}  // namespace

// A sheet of the PDF: the whole page is printable. Drawing state (fill grey,
// line width, font) is written only when it changes.
class StandardFontPdfDevice : public PrintDevice {
  public:
    explicit StandardFontPdfDevice(StandardFontPdf& document) : document_(document) {}

    void SetOrientation(PageOrientation orientation) override {
        if (sheet_ >= 0) {
            throw OrientationLockedError(document_.translate_);
        }
        orientation_ = orientation;
    }
    void BeginDocument() override {
        StartSheet();
        number_ = 1;
    }
    void EndDocument() override { sheet_ = -1; }
    void AbortDocument() noexcept override { sheet_ = -1; }
    void NewPage() override {
        RequirePage();
        StartSheet();
        ++number_;
    }
    int PageNumber() const override { return number_; }

    int PixelsPerInchX() const override { return StandardFontPdf::kResolution; }
    int PixelsPerInchY() const override { return StandardFontPdf::kResolution; }
    DeviceSize PhysicalSize() const override { return document_.SheetPixels(orientation_); }
    DevicePoint PrintableOffset() const override { return DevicePoint{0, 0}; }
    DeviceSize PrintableSize() const override { return PhysicalSize(); }

    void SetFont(const PrintFont& font) override;
    PrintFont Font() const override { return font_; }
    DeviceTextMetrics TextMetrics() const override {
        return DeviceTextMetrics{Height(), FontUnitsToPixels(kSansLineGap, pixelSize_)};
    }
    DeviceSize TextExtent(const std::string& text) const override {
        return DeviceSize{Advance(Encoded(text)), Height()};
    }
    void TextOutOpaque(int x, int y, const std::string& text) override;
    void Rectangle(int x1, int y1, int x2, int y2, int penWidth, std::uint8_t gray) override;

  private:
    void StartSheet();
    std::string& RequirePage();
    std::string Encoded(const std::string& text) const;
    int Advance(const std::string& winAnsi) const;
    int Height() const { return FontUnitsToPixels(kSansAscent + kSansDescent, pixelSize_); }
    void SetFill(std::uint8_t gray);

    StandardFontPdf& document_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    int sheet_ = -1;  // the open sheet's index in the document
    int number_ = 0;
    PrintFont font_{"Arial", kDefaultPoints, kFontPlain};
    bool bold_ = false;
    int pixelSize_ = PointsToPixels(kDefaultPoints);
    // What the open sheet's graphics state holds; -1 for not set yet.
    int fill_ = 0;
    int lineWidth_ = -1;
    int fontOnPage_ = -1;  // pixel size * 2 + bold
    int sheetHeight_ = 0;  // in pixels
};

void StandardFontPdfDevice::StartSheet() {
    sheet_ = document_.StartPage(orientation_);
    fill_ = 0;
    lineWidth_ = -1;
    fontOnPage_ = -1;
    // Device pixels, upwards from a bottom edge placed so that pixel row 0
    // is the top of the sheet (whole points need not be whole pixels);
    // texts then need no flipped matrix. Boxes have square corners.
    const double scale = static_cast<double>(kPointsPerInch) / StandardFontPdf::kResolution;
    sheetHeight_ = PhysicalSize().height;
    const double bottom =
        OrientedPoints(document_.paper_, orientation_).height - sheetHeight_ * scale;
    std::string& out = RequirePage();
    out += "0 G 0 j 2 M ";
    for (const double value : {scale, 0.0, 0.0, scale, 0.0, bottom}) {
        AppendPdfNumber(out, value, 6);
    }
    out += "cm\n";
}

std::string& StandardFontPdfDevice::RequirePage() {
    if (sheet_ < 0) {
        throw DocumentNotOpenError();
    }
    return document_.content_.pages[static_cast<std::size_t>(sheet_)].operators;
}

void StandardFontPdfDevice::SetFont(const PrintFont& font) {
    const bool sans = font.name.empty() || font.name == "Arial";
    if (!sans || (font.style & ~kFontBold) != 0) {
        throw NeedsEmbeddedFonts("The font \"" + font.name +
                                 "\" has no standard PDF face: its faces must be embedded.");
    }
    font_ = font;
    bold_ = (font.style & kFontBold) != 0;
    pixelSize_ = PointsToPixels(font.points > 0 ? font.points : kDefaultPoints);
}

std::string StandardFontPdfDevice::Encoded(const std::string& text) const {
    std::optional<std::string> encoded = ToWinAnsi(text);
    if (!encoded) {
        throw NeedsEmbeddedFonts("The text \"" + text +
                                 "\" has characters no standard PDF face has.");
    }
    return std::move(*encoded);
}

int StandardFontPdfDevice::Advance(const std::string& winAnsi) const {
    long units = 0;
    for (const char c : winAnsi) units += SansAdvance(bold_, static_cast<std::uint8_t>(c));
    return FontUnitsToPixels(units, pixelSize_);
}

void StandardFontPdfDevice::SetFill(std::uint8_t gray) {
    if (fill_ != gray) {
        std::string& out = RequirePage();
        AppendGray(out, gray);
        out += "g ";
        fill_ = gray;
    }
}

void StandardFontPdfDevice::TextOutOpaque(int x, int y, const std::string& text) {
    std::string& out = RequirePage();
    const std::string winAnsi = Encoded(text);
    if (winAnsi.empty()) {
        return;
    }
    SetFill(255);
    for (const int value : {x, sheetHeight_ - y - Height(), Advance(winAnsi), Height()}) {
        AppendPdfNumber(out, value);
    }
    out += "re f ";
    SetFill(0);
    out += "BT ";
    if (const int font = pixelSize_ * 2 + (bold_ ? 1 : 0); font != fontOnPage_) {
        out += PdfFaceResource(bold_ ? PdfFace::SansBold : PdfFace::Sans);
        out += ' ';
        AppendPdfNumber(out, pixelSize_);
        out += "Tf ";
        fontOnPage_ = font;
    }
    AppendPdfNumber(out, x);
    AppendPdfNumber(out, sheetHeight_ - y - FontUnitsToPixels(kSansAscent, pixelSize_));
    out += "Td ";
    out += PdfLiteralString(winAnsi);
    out += "Tj ET\n";
}

// Outlined with the pen centred on the edges, as the printer draws it.
void StandardFontPdfDevice::Rectangle(int x1, int y1, int x2, int y2, int penWidth,
                                      std::uint8_t gray) {
    std::string& out = RequirePage();
    SetFill(gray);
    if (const int pen = std::max(penWidth, 1); pen != lineWidth_) {
        AppendPdfNumber(out, pen);
        out += "w ";
        lineWidth_ = pen;
    }
    for (const int value : {std::min(x1, x2), sheetHeight_ - std::max(y1, y2), std::abs(x2 - x1),
                            std::abs(y2 - y1)}) {
        AppendPdfNumber(out, value);
    }
    out += "re B\n";
}

StandardFontPdf::StandardFontPdf(std::string path, Paper paper, TextTranslator translate)
    : path_(std::move(path)), paper_(paper), translate_(std::move(translate)) {
    content_.title = "Tessarine calendar pages";
    content_.creator = "Tessarine";
}

PrintDeviceFactory StandardFontPdf::Factory() {
    return [this]() -> std::unique_ptr<PrintDevice> {
        return std::make_unique<StandardFontPdfDevice>(*this);
    };
}

int StandardFontPdf::StartPage(PageOrientation orientation) {
    const SheetPoints sheet = OrientedPoints(paper_, orientation);
    content_.pages.push_back(PdfPage{sheet.width, sheet.height, {}});
    return PageCount() - 1;
}

DeviceSize StandardFontPdf::SheetPixels(PageOrientation orientation) const {
    const SheetPoints sheet = OrientedPoints(paper_, orientation);
    return DeviceSize{PointsToPixels(sheet.width), PointsToPixels(sheet.height)};
}

void StandardFontPdf::Commit() {
    if (content_.pages.empty()) {
        throw NoPagePrintedError(translate_);
    }
    WritePrintedFile(path_, SerializePdf(content_), translate_);
}

}  // namespace tessarine
