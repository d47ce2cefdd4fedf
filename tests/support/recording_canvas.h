// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/canvas.h"

namespace tessarine {

// One call made on a RecordingCanvas, with the drawing state in effect at
// the time of the call (after the call, for the setters).
struct CanvasCall {
    enum class Kind {
        SetBrushColor,
        SetPenColor,
        SetPenWidth,
        SetTextColor,
        FillRect,
        TextRect,
        TextExtent,
        Polyline,
        Ellipse,
        DrawFocusRect,
    };

    Kind kind = Kind::FillRect;
    Rect rect;         // FillRect, TextRect (clip), Ellipse, DrawFocusRect
    Point at;          // TextRect origin
    std::string text;  // TextRect, TextExtent
    TextBackground background = TextBackground::Opaque;  // TextRect
    std::vector<Point> points;                           // Polyline
    Color color = 0;                                     // the Set*Color argument
    int width = 0;                                       // the SetPenWidth argument

    Color brush = 0;
    Color pen = 0;
    int penWidth = 0;
    Color textColor = 0;

    // Whether the call puts pixels on the surface.
    bool Draws() const;
};

std::string_view KindName(CanvasCall::Kind kind);

// A Canvas that draws nothing and records every call. Text metrics are
// fixed: every character (UTF-8 code point) is charWidth wide, every text
// textHeight high.
class RecordingCanvas : public Canvas {
  public:
    explicit RecordingCanvas(int charWidth = 7, int textHeight = 16);

    void SetBrushColor(Color color) override;
    void SetPenColor(Color color) override;
    void SetPenWidth(int width) override;
    void SetTextColor(Color color) override;
    void FillRect(const Rect& rect) override;
    void TextRect(const Rect& clip, int x, int y, std::string_view text,
                  TextBackground background) override;
    TextSize TextExtent(std::string_view text) override;
    void Polyline(const std::vector<Point>& points) override;
    void Ellipse(const Rect& bounds) override;
    void DrawFocusRect(const Rect& rect) override;
    Color SysColor(SystemColor which) const override;

    void SetSysColor(SystemColor which, Color color) { sysColors_[which] = color; }
    // Initial state, as a fresh device context would have it.
    void SetState(Color brush, Color pen, int penWidth, Color textColor);

    const std::vector<CanvasCall>& Calls() const { return calls_; }
    // Only the calls that put pixels on the surface, in order.
    std::vector<CanvasCall> DrawingCalls() const;
    void Clear() { calls_.clear(); }

    int charWidth() const { return charWidth_; }
    int textHeight() const { return textHeight_; }

  private:
    CanvasCall& Record(CanvasCall::Kind kind);

    int charWidth_;
    int textHeight_;
    Color brush_ = 0xFFFFFF;
    Color pen_ = 0x000000;
    int penWidth_ = 1;
    Color textColor_ = 0x000000;
    std::map<SystemColor, Color> sysColors_;
    std::vector<CanvasCall> calls_;
};

}  // namespace tessarine
