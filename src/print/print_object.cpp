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

// Automatic page breaks stay off for the life of the scope, however it ends.
class TPrintObject::AutoNewPageOff {
  public:
    explicit AutoNewPageOff(TPrintObject& engine)
        : engine_(engine), saved_(engine.state_.AutoNewPage) {
        engine_.state_.AutoNewPage = 0;
    }
    ~AutoNewPageOff() { engine_.state_.AutoNewPage = saved_; }
    AutoNewPageOff(const AutoNewPageOff&) = delete;
    AutoNewPageOff& operator=(const AutoNewPageOff&) = delete;

  private:
    TPrintObject& engine_;
    std::uint8_t saved_;
};

// SaveFont on entry. The owner calls Restore where the font is to come back;
// if a step throws first, the font comes back as the scope unwinds, and a
// second failure while doing so gives way to the first.
class TPrintObject::SavedFontScope {
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
    state_.AutoNewPage = 1;
    RefreshPrinterMetrics();
    state_.PageNumber.Text.clear();
    // The margins start at the unprintable strips.
    SetMargins(PixelsOver(state_.TopOffsetPx, state_.PixelsPerInchY),
               PixelsOver(state_.BottomOffsetPx, state_.PixelsPerInchY),
               PixelsOver(state_.LeftOffsetPx, state_.PixelsPerInchX),
               PixelsOver(state_.RightOffsetPx, state_.PixelsPerInchX));
    for (THeaderRecord& line : state_.HeaderLines) {
        line.Text.clear();
    }
    state_.HeaderBox.Enabled = 0;
    state_.HeaderBox.Gray = 0;
    for (TFooterRecord& line : state_.FooterLines) {
        line.Text.clear();
    }
    state_.FooterBox.Enabled = 0;
    state_.FooterBox.Gray = 0;
    state_.CurrentLineY = 0.0f;
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
    const float leftStrip = PixelsOver(state_.LeftOffsetPx, state_.PixelsPerInchX);
    const float rightStrip = PixelsOver(state_.RightOffsetPx, state_.PixelsPerInchX);
    const float topStrip = PixelsOver(state_.TopOffsetPx, state_.PixelsPerInchY);
    const float bottomStrip = PixelsOver(state_.BottomOffsetPx, state_.PixelsPerInchY);

    // A pair that fills the sheet, or a side that is not positive, falls back
    // to the unprintable strip.
    if (static_cast<double>(left) + static_cast<double>(right) >=
        static_cast<double>(state_.PhysicalWidthIn)) {
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
        static_cast<double>(state_.PhysicalHeightIn)) {
        top = topStrip;
        bottom = bottomStrip;
    }
    if (!(top > 0.0f)) {
        top = topStrip;
    }
    if (!(bottom > 0.0f)) {
        bottom = bottomStrip;
    }

    state_.TopMarginPx = std::max(InchesToPixelsY(top), state_.TopOffsetPx);
    state_.BottomMarginPx = std::max(InchesToPixelsY(bottom), state_.BottomOffsetPx);
    state_.LeftMarginPx = std::max(InchesToPixelsX(left), state_.LeftOffsetPx);
    state_.RightMarginPx = std::max(InchesToPixelsX(right), state_.RightOffsetPx);
}

void TPrintObject::SetFont(const std::string& name, std::uint16_t size, FontStyleFlags style) {
    device_.SetFont(PrintFont{name, size, style});
    RefreshPrinterMetrics();
}

void TPrintObject::GetResolution(std::uint16_t& pixelsPerInchX,
                                 std::uint16_t& pixelsPerInchY) const {
    pixelsPerInchX = Low16(state_.PixelsPerInchX);
    pixelsPerInchY = Low16(state_.PixelsPerInchY);
}

void TPrintObject::GetPrintableSize(std::uint16_t& width, std::uint16_t& height) const {
    // 16-bit arithmetic, as the layouts have always received it.
    width = static_cast<std::uint16_t>(Low16(state_.PhysicalWidthPx) - Low16(state_.LeftOffsetPx) -
                                       Low16(state_.RightOffsetPx));
    height = static_cast<std::uint16_t>(Low16(state_.PhysicalHeightPx) - Low16(state_.TopOffsetPx) -
                                        Low16(state_.BottomOffsetPx));
}

void TPrintObject::GetUnprintableMargins(std::uint16_t& top, std::uint16_t& bottom,
                                         std::uint16_t& left, std::uint16_t& right) const {
    top = Low16(state_.TopOffsetPx);
    bottom = Low16(state_.BottomOffsetPx);
    left = Low16(state_.LeftOffsetPx);
    right = Low16(state_.RightOffsetPx);
}

void TPrintObject::SetLineArea(float top, float bottom) {
    state_.LineAreaTop = top;
    state_.LineAreaBottom = bottom;
    state_.CurrentLineY = static_cast<float>(static_cast<double>(top) - LineHeight());
}

void TPrintObject::ResetCurrentLine() {
    state_.CurrentLineY = state_.LineAreaTop;
}

void TPrintObject::WriteText(const std::string& text, float x, float y) {
    RequireOpen("WriteText");
    std::int32_t px = x >= 0.0f ? InchesToPixelsX(x) : state_.LeftMarginPx;
    px = std::max(px, state_.LeftOffsetPx);

    std::int32_t py = 0;
    if (static_cast<double>(y) > -0.01) {
        py = std::max(InchesToPixelsY(y), state_.TopOffsetPx);
        if (py > state_.PhysicalHeightPx) {
            py = state_.PhysicalHeightPx - state_.BottomOffsetPx;
        }
        state_.CurrentLineY = y;
    } else if (y == -1.0f) {
        if (state_.AutoNewPage == 1 && static_cast<double>(LineHeight()) + state_.CurrentLineY >
                                           static_cast<double>(state_.LineAreaBottom)) {
            NewPage();
        }
        const double next = static_cast<double>(LineHeight()) + state_.CurrentLineY;
        py = TruncToPixels(next, state_.PixelsPerInchY);
        state_.CurrentLineY = static_cast<float>(next);
    } else {
        // -2, and any other negative position, stays on the last line.
        py = TruncToPixels(state_.CurrentLineY, state_.PixelsPerInchY);
    }

    if (!text.empty()) {
        device_.TextOutOpaque(px - state_.LeftOffsetPx, py - state_.TopOffsetPx, text);
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
        (state_.PhysicalWidthPx - state_.RightOffsetPx + state_.LeftOffsetPx) / 2 -
        extent.width / 2;
    WriteText(text, PixelsToInchesX(pixelX), y);
}

void TPrintObject::WriteTextFlushRight(const std::string& text, float y) {
    const DeviceSize extent = device_.TextExtent(text);
    // The right edge lands at the printable width measured from the sheet's
    // left edge. A text wider than that starts at the left instead of
    // wrapping past the far edge of the sheet.
    const std::int32_t pixelX = std::max(
        state_.PhysicalWidthPx - state_.LeftOffsetPx - state_.RightOffsetPx - extent.width, 0);
    WriteText(text, PixelsToInchesX(pixelX), y);
}

void TPrintObject::DrawBox(std::uint16_t penWidth, float x1, float y1, float x2, float y2) {
    DrawShadedBox(penWidth, 255, x1, y1, x2, y2);
}

void TPrintObject::DrawShadedBox(std::uint16_t penWidth, std::uint16_t gray, float x1, float y1,
                                 float x2, float y2) {
    DrawBoxPixels(InchesToPixelsX(x1) - state_.LeftOffsetPx,
                  InchesToPixelsY(y1) - state_.TopOffsetPx,
                  InchesToPixelsX(x2) - state_.LeftOffsetPx,
                  InchesToPixelsY(y2) - state_.TopOffsetPx, penWidth, gray);
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
    if (index < 1 || index > static_cast<int>(state_.FooterLines.size())) {
        return;
    }
    TFooterRecord& line = state_.FooterLines[static_cast<std::size_t>(index - 1)];
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
    state_.CurrentLineY =
        static_cast<float>(static_cast<double>(state_.LineAreaTop) - LineHeight());
    device_.NewPage();
}

DeviceSize TPrintObject::TextExtent(const std::string& text) const {
    return device_.TextExtent(text);
}

float TPrintObject::LineHeight() const {
    const std::uint16_t pixels =
        Low16(state_.TextMetrics.height + state_.TextMetrics.externalLeading);
    return PixelsOver(pixels, state_.PixelsPerInchY);
}

std::int32_t TPrintObject::InchesToPixelsX(float inches) const {
    return TruncToPixels(inches, state_.PixelsPerInchX);
}

std::int32_t TPrintObject::InchesToPixelsY(float inches) const {
    return TruncToPixels(inches, state_.PixelsPerInchY);
}

float TPrintObject::PixelsToInchesX(std::int32_t pixels) const {
    return PixelsOver(pixels, state_.PixelsPerInchX);
}

float TPrintObject::PixelsToInchesY(std::int32_t pixels) const {
    return PixelsOver(pixels, state_.PixelsPerInchY);
}

void TPrintObject::RefreshPrinterMetrics() {
    const DeviceTextMetrics metrics = device_.TextMetrics();
    const std::int32_t pixelsPerInchY = device_.PixelsPerInchY();
    const std::int32_t pixelsPerInchX = device_.PixelsPerInchX();
    // Checked before it is kept: everything that divides by a resolution
    // relies on it being positive.
    if (pixelsPerInchX <= 0 || pixelsPerInchY <= 0) {
        throw PrintError(
            TESSARINE_TRANSLATE_NOOP("Errors", "The printer reports no usable resolution."));
    }
    state_.TextMetrics = metrics;
    state_.PixelsPerInchY = pixelsPerInchY;
    state_.PixelsPerInchX = pixelsPerInchX;
    const DevicePoint offset = device_.PrintableOffset();
    state_.LeftOffsetPx = offset.x;
    state_.TopOffsetPx = offset.y;
    const DeviceSize physical = device_.PhysicalSize();
    state_.PhysicalWidthPx = physical.width;
    state_.PhysicalHeightPx = physical.height;
    state_.PhysicalWidthIn = PixelsOver(state_.PhysicalWidthPx, state_.PixelsPerInchX);
    state_.PhysicalHeightIn = PixelsOver(state_.PhysicalHeightPx, state_.PixelsPerInchY);
    const DeviceSize printable = device_.PrintableSize();
    state_.RightOffsetPx = state_.PhysicalWidthPx - state_.LeftOffsetPx - printable.width;
    state_.BottomOffsetPx = state_.PhysicalHeightPx - state_.TopOffsetPx - printable.height;

    state_.TopMarginPx = std::max(state_.TopMarginPx, state_.TopOffsetPx);
    state_.BottomMarginPx = std::max(state_.BottomMarginPx, state_.BottomOffsetPx);
    state_.LeftMarginPx = std::max(state_.LeftMarginPx, state_.LeftOffsetPx);
    state_.RightMarginPx = std::max(state_.RightMarginPx, state_.RightOffsetPx);
}

void TPrintObject::SaveFont() {
    const PrintFont font = device_.Font();
    state_.SavedFontName = font.name;
    state_.SavedFontSize = font.points;
    state_.SavedFontStyle = font.style;
}

void TPrintObject::RestoreFont() {
    SetFont(state_.SavedFontName, static_cast<std::uint16_t>(state_.SavedFontSize),
            state_.SavedFontStyle);
}

void TPrintObject::WriteAligned(const std::string& text, int alignment, float y) {
    switch (alignment) {
        case 0:
            WriteText(text, PixelsToInchesX(state_.LeftMarginPx), y);
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
    PrintFurnitureLines(state_.HeaderBox, state_.HeaderLines);
}

void TPrintObject::PrintFooterLines() {
    const AutoNewPageOff noBreaks(*this);
    PrintFurnitureLines(state_.FooterBox, state_.FooterLines);
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
    PrintRecordLine(state_.PageNumber,
                    FormatPageNumber(state_.PageNumber.Text, device_.PageNumber()));
}

void TPrintObject::PrintClosingLine() {
    RequireOpen("PrintClosingLine");
    PrintRecordLine(state_.ClosingLine, state_.ClosingLine.Text);
}

}  // namespace tessarine
