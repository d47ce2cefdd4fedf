// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

namespace tessarine {

// A printing failure the user can read: no printer, a document that cannot
// start, a sheet the printer refuses.
class PrintError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Four font flags packed in one byte, as the layouts hand them over.
using FontStyleFlags = std::uint8_t;
inline constexpr FontStyleFlags kFontPlain = 0;
inline constexpr FontStyleFlags kFontBold = 1;
inline constexpr FontStyleFlags kFontItalic = 2;
inline constexpr FontStyleFlags kFontUnderline = 4;
inline constexpr FontStyleFlags kFontStrikeOut = 8;

enum class PageOrientation { Portrait = 0, Landscape = 1 };

struct PrintFont {
    std::string name;
    int points = 0;
    FontStyleFlags style = kFontPlain;

    bool operator==(const PrintFont&) const = default;
};

// Only the two metrics the engine uses, in device pixels.
struct DeviceTextMetrics {
    std::int32_t height = 0;  // ascent plus descent
    std::int32_t externalLeading = 0;
};

struct DeviceSize {
    std::int32_t width = 0;
    std::int32_t height = 0;

    bool operator==(const DeviceSize&) const = default;
};

struct DevicePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;

    bool operator==(const DevicePoint&) const = default;
};

// The printer as the page engine sees it. Sizes and positions are device
// pixels; drawing positions are canvas pixels, whose origin is the top-left
// corner of the printable area. Failures are thrown as PrintError.
class PrintDevice {
  public:
    virtual ~PrintDevice() = default;

    // Only while no document is open.
    virtual void SetOrientation(PageOrientation orientation) = 0;
    virtual void BeginDocument() = 0;
    virtual void EndDocument() = 0;
    // Discards an open document after a failure; must not throw.
    virtual void AbortDocument() noexcept = 0;
    virtual void NewPage() = 0;
    // 1 for the first sheet of the open document.
    virtual int PageNumber() const = 0;

    virtual int PixelsPerInchX() const = 0;
    virtual int PixelsPerInchY() const = 0;
    virtual DeviceSize PhysicalSize() const = 0;
    virtual DevicePoint PrintableOffset() const = 0;
    virtual DeviceSize PrintableSize() const = 0;

    virtual void SetFont(const PrintFont& font) = 0;
    virtual PrintFont Font() const = 0;
    virtual DeviceTextMetrics TextMetrics() const = 0;
    // Width and height of the text in the current font.
    virtual DeviceSize TextExtent(const std::string& text) const = 0;

    // Text (UTF-8) with its top-left corner at (x, y) on a white patch.
    virtual void TextOutOpaque(int x, int y, const std::string& text) = 0;
    // Rectangle outlined with a black pen of the given width and filled with
    // RGB(gray, gray, gray).
    virtual void Rectangle(int x1, int y1, int x2, int y2, int penWidth, std::uint8_t gray) = 0;
};

// Every printed page is its own document, so layouts ask for a fresh device
// per page.
using PrintDeviceFactory = std::function<std::unique_ptr<PrintDevice>()>;

}  // namespace tessarine
