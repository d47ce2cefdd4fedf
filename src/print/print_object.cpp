// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_object.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <stdexcept>

#include "calendar/text_catalog.h"

namespace tessarine {

namespace {

// trunc(inches x resolution), kept inside int32 however wild the input.
std::int32_t TruncToPixels(double inches, std::int32_t pixelsPerInch) {
    const double pixels = std::trunc(inches * static_cast<double>(pixelsPerInch));
    if (!std::isfinite(pixels)) {
        return 0;
    }
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(pixels, kMin, kMax));
}

float PixelsOver(std::int32_t pixels, std::int32_t pixelsPerInch) {
    if (pixelsPerInch == 0) {
        return 0.0f;
    }
    return static_cast<float>(static_cast<double>(pixels) / static_cast<double>(pixelsPerInch));
}

std::uint16_t Low16(std::int32_t value) {
    return static_cast<std::uint16_t>(value);
}

// Automatic page breaks stay off for the life of the scope, however it ends.
class AutoNewPageOff {
  public:
    explicit AutoNewPageOff(TPrintObject& engine) : engine_(engine), saved_(engine.AutoNewPage) {
        engine_.AutoNewPage = 0;
    }
    ~AutoNewPageOff() { engine_.AutoNewPage = saved_; }
    AutoNewPageOff(const AutoNewPageOff&) = delete;
    AutoNewPageOff& operator=(const AutoNewPageOff&) = delete;

  private:
    TPrintObject& engine_;
    std::uint8_t saved_;
};

// SaveFont on entry. The owner calls Restore where the font is to come back;
// if a step throws first, the font comes back as the scope unwinds, and a
// second failure while doing so gives way to the first.
class SavedFontScope {
  public:
    explicit SavedFontScope(TPrintObject& engine)
        : engine_(engine), exceptionsOnEntry_(std::uncaught_exceptions()) {
        engine_.SaveFont();
    }
    ~SavedFontScope() {
        if (std::uncaught_exceptions() > exceptionsOnEntry_) {
            try {
                engine_.RestoreFont();
            } catch (...) {
            }
        }
    }
    SavedFontScope(const SavedFontScope&) = delete;
    SavedFontScope& operator=(const SavedFontScope&) = delete;

    void Restore() { engine_.RestoreFont(); }

  private:
    TPrintObject& engine_;
    int exceptionsOnEntry_;
};

}  // namespace

std::string FormatPageNumber(const std::string& format, int pageNumber) {
    std::string out;
    out.reserve(format.size() + 8);
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 'd') {
                out += std::to_string(pageNumber);
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

TPrintObject::TPrintObject(PrintDevice& device) : device_(device) {}

TPrintObject::~TPrintObject() {
    if (documentOpen_) {
        device_.AbortDocument();
    }
}

void TPrintObject::RequireOpen(const char* operation) const {
    if (!documentOpen_) {
        throw std::logic_error(std::string("TPrintObject::") + operation +
                               " needs an open print document");
    }
}

void TPrintObject::SetOrientation(PageOrientation orientation) {
    if (documentOpen_) {
        throw std::logic_error("The page orientation cannot change while a document is open");
    }
    device_.SetOrientation(orientation);
}

void TPrintObject::BeginPrint() {
    if (documentOpen_) {
        throw std::logic_error("TPrintObject::BeginPrint while a document is open");
    }
    device_.BeginDocument();
    documentOpen_ = true;
    AutoNewPage = 1;
    RefreshPrinterMetrics();
    PageNumber.Text.clear();
    // The margins start at the unprintable strips.
    SetMargins(PixelsOver(TopOffsetPx, PixelsPerInchY), PixelsOver(BottomOffsetPx, PixelsPerInchY),
               PixelsOver(LeftOffsetPx, PixelsPerInchX), PixelsOver(RightOffsetPx, PixelsPerInchX));
    for (THeaderRecord& line : HeaderLines) {
        line.Text.clear();
    }
    HeaderBox.Enabled = 0;
    HeaderBox.Gray = 0;
    for (TFooterRecord& line : FooterLines) {
        line.Text.clear();
    }
    FooterBox.Enabled = 0;
    FooterBox.Gray = 0;
    CurrentLineY = 0.0f;
}

void TPrintObject::EndPrint() {
    RequireOpen("EndPrint");
    PrintHeaderLines();
    PrintFooterLines();
    PrintPageNumber();
    PrintClosingLine();
    device_.EndDocument();
    documentOpen_ = false;
}

void TPrintObject::SetMargins(float top, float bottom, float left, float right) {
    const float leftStrip = PixelsOver(LeftOffsetPx, PixelsPerInchX);
    const float rightStrip = PixelsOver(RightOffsetPx, PixelsPerInchX);
    const float topStrip = PixelsOver(TopOffsetPx, PixelsPerInchY);
    const float bottomStrip = PixelsOver(BottomOffsetPx, PixelsPerInchY);

    // A pair that fills the sheet, or a side that is not positive, falls back
    // to the unprintable strip.
    if (static_cast<double>(left) + static_cast<double>(right) >=
        static_cast<double>(PhysicalWidthIn)) {
        left = leftStrip;
        right = rightStrip;
    }
    if (!(left > 0.0f)) {
        left = leftStrip;
    }
    if (!(right > 0.0f)) {
        right = rightStrip;
    }
    if (static_cast<double>(top) + static_cast<double>(bottom) >=
        static_cast<double>(PhysicalHeightIn)) {
        top = topStrip;
        bottom = bottomStrip;
    }
    if (!(top > 0.0f)) {
        top = topStrip;
    }
    if (!(bottom > 0.0f)) {
        bottom = bottomStrip;
    }

    TopMarginPx = std::max(InchesToPixelsY(top), TopOffsetPx);
    BottomMarginPx = std::max(InchesToPixelsY(bottom), BottomOffsetPx);
    LeftMarginPx = std::max(InchesToPixelsX(left), LeftOffsetPx);
    RightMarginPx = std::max(InchesToPixelsX(right), RightOffsetPx);
}

void TPrintObject::SetFont(const std::string& name, std::uint16_t size, FontStyleFlags style) {
    device_.SetFont(PrintFont{name, size, style});
    RefreshPrinterMetrics();
}

void TPrintObject::GetResolution(std::uint16_t& pixelsPerInchX,
                                 std::uint16_t& pixelsPerInchY) const {
    pixelsPerInchX = Low16(PixelsPerInchX);
    pixelsPerInchY = Low16(PixelsPerInchY);
}

void TPrintObject::GetPrintableSize(std::uint16_t& width, std::uint16_t& height) const {
    // 16-bit arithmetic, as the layouts have always received it.
    width = static_cast<std::uint16_t>(Low16(PhysicalWidthPx) - Low16(LeftOffsetPx) -
                                       Low16(RightOffsetPx));
    height = static_cast<std::uint16_t>(Low16(PhysicalHeightPx) - Low16(TopOffsetPx) -
                                        Low16(BottomOffsetPx));
}

void TPrintObject::GetUnprintableMargins(std::uint16_t& top, std::uint16_t& bottom,
                                         std::uint16_t& left, std::uint16_t& right) const {
    top = Low16(TopOffsetPx);
    bottom = Low16(BottomOffsetPx);
    left = Low16(LeftOffsetPx);
    right = Low16(RightOffsetPx);
}

void TPrintObject::SetLineArea(float top, float bottom) {
    LineAreaTop = top;
    LineAreaBottom = bottom;
    CurrentLineY = static_cast<float>(static_cast<double>(top) - LineHeight());
}

void TPrintObject::ResetCurrentLine() {
    CurrentLineY = LineAreaTop;
}

void TPrintObject::WriteText(const std::string& text, float x, float y) {
    RequireOpen("WriteText");
    std::int32_t px = x >= 0.0f ? InchesToPixelsX(x) : LeftMarginPx;
    px = std::max(px, LeftOffsetPx);

    std::int32_t py = 0;
    if (static_cast<double>(y) > -0.01) {
        py = std::max(InchesToPixelsY(y), TopOffsetPx);
        if (py > PhysicalHeightPx) {
            py = PhysicalHeightPx - BottomOffsetPx;
        }
        CurrentLineY = y;
    } else if (y == -1.0f) {
        if (AutoNewPage == 1 && static_cast<double>(LineHeight()) + CurrentLineY >
                                    static_cast<double>(LineAreaBottom)) {
            NewPage();
        }
        const double next = static_cast<double>(LineHeight()) + CurrentLineY;
        py = TruncToPixels(next, PixelsPerInchY);
        CurrentLineY = static_cast<float>(next);
    } else {
        // -2, and any other negative position, stays on the last line.
        py = TruncToPixels(CurrentLineY, PixelsPerInchY);
    }

    if (!text.empty()) {
        device_.TextOutOpaque(px - LeftOffsetPx, py - TopOffsetPx, text);
    }
}

void TPrintObject::WriteTextBottomRight(const std::string& text, float x, float y) {
    const DeviceSize extent = device_.TextExtent(text);
    WriteText(text, static_cast<float>(static_cast<double>(x) - PixelsToInchesX(extent.width)),
              static_cast<float>(static_cast<double>(y) - PixelsToInchesY(extent.height)));
}

void TPrintObject::WriteTextBottomCentred(const std::string& text, float x, float y) {
    const DeviceSize extent = device_.TextExtent(text);
    WriteText(text,
              static_cast<float>(static_cast<double>(x) - PixelsToInchesX(extent.width) / 2.0),
              static_cast<float>(static_cast<double>(y) - PixelsToInchesY(extent.height)));
}

void TPrintObject::WriteTextCentred(const std::string& text, float y) {
    const DeviceSize extent = device_.TextExtent(text);
    const std::int32_t pixelX =
        (PhysicalWidthPx - RightOffsetPx + LeftOffsetPx) / 2 - extent.width / 2;
    WriteText(text, PixelsToInchesX(pixelX), y);
}

void TPrintObject::WriteTextFlushRight(const std::string& text, float y) {
    const DeviceSize extent = device_.TextExtent(text);
    // The right edge lands at the printable width measured from the sheet's
    // left edge. A text wider than that starts at the left instead of
    // wrapping past the far edge of the sheet.
    const std::int32_t pixelX =
        std::max(PhysicalWidthPx - LeftOffsetPx - RightOffsetPx - extent.width, 0);
    WriteText(text, PixelsToInchesX(pixelX), y);
}

void TPrintObject::DrawBox(std::uint16_t penWidth, float x1, float y1, float x2, float y2) {
    DrawShadedBox(penWidth, 255, x1, y1, x2, y2);
}

void TPrintObject::DrawShadedBox(std::uint16_t penWidth, std::uint16_t gray, float x1, float y1,
                                 float x2, float y2) {
    DrawBoxPixels(InchesToPixelsX(x1) - LeftOffsetPx, InchesToPixelsY(y1) - TopOffsetPx,
                  InchesToPixelsX(x2) - LeftOffsetPx, InchesToPixelsY(y2) - TopOffsetPx, penWidth,
                  gray);
}

void TPrintObject::DrawBoxPixels(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                 std::uint16_t penWidth, std::uint16_t gray) {
    RequireOpen("DrawBoxPixels");
    // A grey level is one byte per channel; the brush goes back to white for
    // the opaque text that follows.
    device_.Rectangle(x1, y1, x2, y2, penWidth, static_cast<std::uint8_t>(gray));
}

void TPrintObject::SetFooterLine(int index, const std::string& text, float y,
                                 std::int32_t alignment, const std::string& fontName,
                                 std::uint16_t fontSize, FontStyleFlags fontStyle) {
    if (index < 1 || index > static_cast<int>(FooterLines.size())) {
        return;
    }
    TFooterRecord& line = FooterLines[static_cast<std::size_t>(index - 1)];
    line.Text = text;
    line.Y = y;
    line.Alignment = alignment;
    line.FontName = fontName;
    line.FontSize = fontSize;
    line.FontStyle = fontStyle;
}

void TPrintObject::NewPage() {
    RequireOpen("NewPage");
    PrintHeaderLines();
    PrintFooterLines();
    PrintPageNumber();
    CurrentLineY = static_cast<float>(static_cast<double>(LineAreaTop) - LineHeight());
    device_.NewPage();
}

DeviceSize TPrintObject::TextExtent(const std::string& text) const {
    return device_.TextExtent(text);
}

float TPrintObject::LineHeight() const {
    const std::uint16_t pixels = Low16(TextMetrics.height + TextMetrics.externalLeading);
    return PixelsOver(pixels, PixelsPerInchY);
}

std::int32_t TPrintObject::InchesToPixelsX(float inches) const {
    return TruncToPixels(inches, PixelsPerInchX);
}

std::int32_t TPrintObject::InchesToPixelsY(float inches) const {
    return TruncToPixels(inches, PixelsPerInchY);
}

float TPrintObject::PixelsToInchesX(std::int32_t pixels) const {
    return PixelsOver(pixels, PixelsPerInchX);
}

float TPrintObject::PixelsToInchesY(std::int32_t pixels) const {
    return PixelsOver(pixels, PixelsPerInchY);
}

void TPrintObject::RefreshPrinterMetrics() {
    TextMetrics = device_.TextMetrics();
    PixelsPerInchY = device_.PixelsPerInchY();
    PixelsPerInchX = device_.PixelsPerInchX();
    if (PixelsPerInchX <= 0 || PixelsPerInchY <= 0) {
        throw PrintError(
            TESSARINE_TRANSLATE_NOOP("Errors", "The printer reports no usable resolution."));
    }
    const DevicePoint offset = device_.PrintableOffset();
    LeftOffsetPx = offset.x;
    TopOffsetPx = offset.y;
    const DeviceSize physical = device_.PhysicalSize();
    PhysicalWidthPx = physical.width;
    PhysicalHeightPx = physical.height;
    PhysicalWidthIn = PixelsOver(PhysicalWidthPx, PixelsPerInchX);
    PhysicalHeightIn = PixelsOver(PhysicalHeightPx, PixelsPerInchY);
    const DeviceSize printable = device_.PrintableSize();
    RightOffsetPx = PhysicalWidthPx - LeftOffsetPx - printable.width;
    BottomOffsetPx = PhysicalHeightPx - TopOffsetPx - printable.height;

    TopMarginPx = std::max(TopMarginPx, TopOffsetPx);
    BottomMarginPx = std::max(BottomMarginPx, BottomOffsetPx);
    LeftMarginPx = std::max(LeftMarginPx, LeftOffsetPx);
    RightMarginPx = std::max(RightMarginPx, RightOffsetPx);
}

void TPrintObject::SaveFont() {
    const PrintFont font = device_.Font();
    SavedFontName = font.name;
    SavedFontSize = font.points;
    SavedFontStyle = font.style;
}

void TPrintObject::RestoreFont() {
    SetFont(SavedFontName, static_cast<std::uint16_t>(SavedFontSize), SavedFontStyle);
}

void TPrintObject::WriteAligned(const std::string& text, int alignment, float y) {
    switch (alignment) {
        case 0:
            WriteText(text, PixelsToInchesX(LeftMarginPx), y);
            break;
        case 1:
            WriteTextCentred(text, y);
            break;
        case 2:
            WriteTextFlushRight(text, y);
            break;
        default:
            break;
    }
}

void TPrintObject::PrintFurnitureLines(const TPrintBox& box,
                                       const std::array<THeaderRecord, 5>& lines) {
    if (box.Enabled == 1) {
        if (box.Gray != 0) {
            DrawShadedBox(box.PenWidth, box.Gray, box.X1, box.Y1, box.X2, box.Y2);
        } else {
            DrawBox(box.PenWidth, box.X1, box.Y1, box.X2, box.Y2);
        }
    }
    SavedFontScope savedFont(*this);
    for (const THeaderRecord& line : lines) {
        if (!line.Text.empty()) {
            SetFont(line.FontName, line.FontSize, line.FontStyle);
            WriteAligned(line.Text, line.Alignment, line.Y);
        }
        savedFont.Restore();
    }
}

void TPrintObject::PrintHeaderLines() {
    PrintFurnitureLines(HeaderBox, HeaderLines);
}

void TPrintObject::PrintFooterLines() {
    const AutoNewPageOff noBreaks(*this);
    PrintFurnitureLines(FooterBox, FooterLines);
}

void TPrintObject::PrintRecordLine(const TPageNumberRecord& record, const std::string& text) {
    SavedFontScope savedFont(*this);
    SetFont(record.FontName, record.FontSize, record.FontStyle);
    {
        const AutoNewPageOff noBreaks(*this);
        WriteAligned(text, record.Alignment, record.Y);
    }
    savedFont.Restore();
}

void TPrintObject::PrintPageNumber() {
    RequireOpen("PrintPageNumber");
    PrintRecordLine(PageNumber, FormatPageNumber(PageNumber.Text, device_.PageNumber()));
}

void TPrintObject::PrintClosingLine() {
    RequireOpen("PrintClosingLine");
    PrintRecordLine(ClosingLine, ClosingLine.Text);
}

}  // namespace tessarine
