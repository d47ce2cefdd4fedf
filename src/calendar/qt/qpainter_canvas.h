// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPalette>
#include <QPen>
#include <memory>

#include "calendar/canvas.h"
#include "platform/qt/qt_color.h"

class QPainter;

namespace tessarine {

// Texts laid out for drawing, kept between paints (shaped_texts.h).
class ShapedTexts;

// The core's Canvas over a QPainter, with device-context pixel rules:
// aliased drawing, 1-pixel lines that leave out each segment's end point,
// opaque text that fills its clip rectangle first, and a dotted focus
// outline that inverts what is under it on raster devices. The painter's font
// is the text font; system colours come from the given palette.
class QPainterCanvas : public Canvas {
  public:
    // keptTexts, when given, keeps texts laid out from one paint to the
    // next (a widget passes its own); otherwise they last for this canvas.
    QPainterCanvas(QPainter& painter, const QPalette& palette, ShapedTexts* keptTexts = nullptr);
    ~QPainterCanvas() override;

    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

    void SetBrushColor(Color color) override { brush_ = ToQColor(color); }
    void SetPenColor(Color color) override { pen_ = ToQColor(color); }
    void SetPenWidth(int width) override { penWidth_ = width; }
    void SetTextColor(Color color) override { text_ = ToQColor(color); }
    void FillRect(const Rect& rect) override;
    void TextRect(const Rect& clip, int x, int y, std::string_view text,
                  TextBackground background) override;
    TextSize TextExtent(std::string_view text) override;
    void Polyline(const std::vector<Point>& points) override;
    void Ellipse(const Rect& bounds) override;
    void DrawFocusRect(const Rect& rect) override;
    Color SysColor(SystemColor which) const override;

  private:
    void Segment(Point from, Point to);
    // The kept texts, brought up to the painter's current font.
    ShapedTexts& Texts();

    QPainter& painter_;
    QPalette palette_;
    QColor brush_{Qt::white};
    QColor pen_{Qt::black};
    int penWidth_ = 1;
    QColor text_{Qt::black};
    QPen ownerPen_;
    int dpi_ = 0;
    ShapedTexts* texts_ = nullptr;
    std::unique_ptr<ShapedTexts> ownTexts_;
};

}  // namespace tessarine
