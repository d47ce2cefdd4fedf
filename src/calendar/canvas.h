// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

#include "calendar/color_set.h"

namespace tessarine {

struct Point {
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

// A pixel rectangle; right and bottom are exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect&) const = default;
};

struct TextSize {
    int width = 0;
    int height = 0;

    bool operator==(const TextSize&) const = default;
};

enum class SystemColor { Highlight, HighlightText, ButtonFace, WindowText };

enum class TextBackground {
    Opaque,       // the clip rectangle is filled with the brush, then the text drawn
    Transparent,  // only the glyphs are drawn
};

// The screen surface the core draws the month grid on. It is stateful like a
// device context: brush, pen and text colour stay until changed. The font is
// the owner's; the core never changes it. Texts are UTF-8.
class Canvas {
  public:
    virtual ~Canvas() = default;

    // The brush is always solid; it fills rectangles, opaque text backgrounds
    // and ellipses.
    virtual void SetBrushColor(Color color) = 0;
    virtual void SetPenColor(Color color) = 0;
    virtual void SetPenWidth(int width) = 0;
    virtual void SetTextColor(Color color) = 0;

    virtual void FillRect(const Rect& rect) = 0;

    // Draws text with its top-left corner at (x, y), clipped to clip.
    virtual void TextRect(const Rect& clip, int x, int y, std::string_view text,
                          TextBackground background) = 0;
    // Width and height of the text in the current font.
    virtual TextSize TextExtent(std::string_view text) = 0;

    // Connected line segments with the current pen; each segment leaves out
    // its end point, so a closed path paints every corner exactly once.
    virtual void Polyline(const std::vector<Point>& points) = 0;

    // The ellipse inscribed in bounds, filled with the brush and outlined with
    // the current pen.
    virtual void Ellipse(const Rect& bounds) = 0;

    // The system's dotted focus outline along rect; drawing it twice at the
    // same place removes it again (it inverts).
    virtual void DrawFocusRect(const Rect& rect) = 0;

    virtual Color SysColor(SystemColor which) const = 0;
};

}  // namespace tessarine
