// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "print/print_device.h"

namespace tessarine {

// A line of page furniture. Y is inches from the top of the sheet (top of the
// text); Alignment 0 starts at the left margin, 1 centres across the
// printable area, 2 is flush right.
struct THeaderRecord {
    std::string Text;
    float Y = 0.0f;
    std::int32_t Alignment = 0;
    std::string FontName;
    std::uint16_t FontSize = 0;
    FontStyleFlags FontStyle = kFontPlain;
};
using TFooterRecord = THeaderRecord;

// For the page-number line Text is a format that receives the current page
// number ("%d"); for the closing line it is printed as it is.
struct TPageNumberRecord {
    float Y = 0.0f;
    std::string Text;
    std::uint16_t Alignment = 0;
    std::string FontName;
    std::uint16_t FontSize = 0;
    FontStyleFlags FontStyle = kFontPlain;
};

struct TPrintBox {
    float X1 = 0.0f;
    float Y1 = 0.0f;
    float X2 = 0.0f;
    float Y2 = 0.0f;
    std::uint8_t Enabled = 0;  // 1 = draw
    std::uint16_t Gray = 0;    // 0 = white fill
    std::uint16_t PenWidth = 0;
};

// The page engine's state, with the names the layouts know. Only the
// engine's operations change it: the margins never fall below the
// unprintable strips, and while a document is open both resolutions are
// positive.
struct TPrintObjectState {
    std::int32_t TopMarginPx = 0;
    std::int32_t BottomMarginPx = 0;
    std::int32_t LeftMarginPx = 0;
    std::int32_t RightMarginPx = 0;
    std::int32_t PixelsPerInchY = 0;
    std::int32_t PixelsPerInchX = 0;
    std::int32_t PhysicalWidthPx = 0;
    std::int32_t PhysicalHeightPx = 0;
    float PhysicalHeightIn = 0.0f;
    float PhysicalWidthIn = 0.0f;
    std::int32_t LeftOffsetPx = 0;
    std::int32_t RightOffsetPx = 0;
    std::int32_t TopOffsetPx = 0;
    std::int32_t BottomOffsetPx = 0;
    float LineAreaTop = 0.0f;
    float LineAreaBottom = 0.0f;
    float CurrentLineY = 0.0f;
    std::uint8_t AutoNewPage = 0;
    std::string SavedFontName;
    std::int32_t SavedFontSize = 0;
    FontStyleFlags SavedFontStyle = kFontPlain;
    DeviceTextMetrics TextMetrics;
    std::array<THeaderRecord, 5> HeaderLines;  // lines 1..5
    std::array<TFooterRecord, 5> FooterLines;  // lines 1..5
    TPageNumberRecord PageNumber;
    TPageNumberRecord ClosingLine;
    TPrintBox HeaderBox;
    TPrintBox FooterBox;
};

// The page engine: places text and boxes given in inches from the sheet's
// physical top-left corner onto the printer's canvas, keeps margins, font and
// a line-flow cursor, and prints the page furniture when a page is finished.
// One instance serves one print document on one device.
//
// Inches are 32-bit floats; products and sums are worked out in double and
// truncated toward zero, so a position lands on the same pixel as it would
// with the printer's own extended-precision arithmetic.
class TPrintObject {
  public:
    explicit TPrintObject(PrintDevice& device);
    // Discards a document that is still open (a failure cut the page short),
    // so the printer is free for the next one.
    ~TPrintObject();

    TPrintObject(const TPrintObject&) = delete;
    TPrintObject& operator=(const TPrintObject&) = delete;

    void SetOrientation(PageOrientation orientation);
    void BeginPrint();
    void EndPrint();
    void SetMargins(float top, float bottom, float left, float right);
    void SetFont(const std::string& name, std::uint16_t size, FontStyleFlags style);
    void GetResolution(std::uint16_t& pixelsPerInchX, std::uint16_t& pixelsPerInchY) const;
    void GetPrintableSize(std::uint16_t& width, std::uint16_t& height) const;
    void GetUnprintableMargins(std::uint16_t& top, std::uint16_t& bottom, std::uint16_t& left,
                               std::uint16_t& right) const;
    void SetLineArea(float top, float bottom);
    void ResetCurrentLine();

    // Y = -1 writes on the next line, Y = -2 on the same line as the last
    // one; X below 0 starts at the left margin.
    void WriteText(const std::string& text, float x, float y);
    void WriteTextBottomRight(const std::string& text, float x, float y);
    void WriteTextBottomCentred(const std::string& text, float x, float y);
    void WriteTextCentred(const std::string& text, float y);
    void WriteTextFlushRight(const std::string& text, float y);

    void DrawBox(std::uint16_t penWidth, float x1, float y1, float x2, float y2);
    void DrawShadedBox(std::uint16_t penWidth, std::uint16_t gray, float x1, float y1, float x2,
                       float y2);
    // Index 1..5; any other index changes nothing.
    void SetFooterLine(int index, const std::string& text, float y, std::int32_t alignment,
                       const std::string& fontName, std::uint16_t fontSize,
                       FontStyleFlags fontStyle);
    void NewPage();

    float LineHeight() const;
    // Device pixels, in the current font.
    DeviceSize TextExtent(const std::string& text) const;
    std::int32_t InchesToPixelsX(float inches) const;
    std::int32_t InchesToPixelsY(float inches) const;
    float PixelsToInchesX(std::int32_t pixels) const;
    float PixelsToInchesY(std::int32_t pixels) const;
    void RefreshPrinterMetrics();
    void SaveFont();
    void RestoreFont();
    // Canvas pixels. Kept signed: a box that starts a pixel left of the
    // printable area must not wrap to the far side of the sheet.
    void DrawBoxPixels(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                       std::uint16_t penWidth, std::uint16_t gray);
    void PrintHeaderLines();
    void PrintFooterLines();
    void PrintPageNumber();
    void PrintClosingLine();

    bool DocumentOpen() const { return documentOpen_; }

    // Read-only: only the engine's own operations change its state.
    const TPrintObjectState& State() const { return state_; }

  private:
    // Temporary changes that undo themselves however the scope ends.
    class AutoNewPageOff;
    class SavedFontScope;
    // Sets what the layouts never set, to show how the engine prints it.
    friend struct TPrintObjectTestPeer;

    void RequireOpen(const char* operation) const;
    void WriteAligned(const std::string& text, int alignment, float y);
    void PrintFurnitureLines(const TPrintBox& box, const std::array<THeaderRecord, 5>& lines);
    void PrintRecordLine(const TPageNumberRecord& record, const std::string& text);

    PrintDevice& device_;
    bool documentOpen_ = false;

    TPrintObjectState state_;
};

// The page-number format applied to a number: "%d" becomes the number, "%%"
// a percent sign; anything else is copied as it stands, so a stray format
// character can never read beyond the one argument.
std::string FormatPageNumber(const std::string& format, int pageNumber);

}  // namespace tessarine
