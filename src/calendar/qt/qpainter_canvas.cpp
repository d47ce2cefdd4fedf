// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/qt/qpainter_canvas.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "calendar/qt/shaped_texts.h"

namespace tessarine {

namespace {

// Antialiased glyphs may touch a pixel or so beyond their outline's box.
constexpr int kInkMargin = 2;

bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, const QPalette& palette, ShapedTexts* keptTexts)
    : painter_(painter),
      palette_(palette),
      ownerPen_(painter.pen()),
      // Asking a widget for its resolution goes to its screen: once a paint.
      dpi_(painter.device() != nullptr ? painter.device()->logicalDpiY() : 0),
      texts_(keptTexts) {
    if (texts_ == nullptr) {
        // Without a keeper the texts last for this canvas only.
        ownTexts_ = std::make_unique<ShapedTexts>();
        texts_ = ownTexts_.get();
    }
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

ShapedTexts& QPainterCanvas::Texts() {
    texts_->Follow(painter_.font(), dpi_, painter_.layoutDirection());
    return *texts_;
}

QPainterCanvas::~QPainterCanvas() {
    // Text is drawn with the painter's pen; the owner gets its own back.
    if (painter_.isActive()) painter_.setPen(ownerPen_);
}

void QPainterCanvas::FillRect(const Rect& rect) {
    if (IsEmpty(rect)) return;
    painter_.fillRect(ToQRect(rect), brush_);
}

void QPainterCanvas::TextRect(const Rect& clip, int x, int y, std::string_view text,
                              TextBackground background) {
    if (IsEmpty(clip)) return;
    const QRect clipRect = ToQRect(clip);
    if (background == TextBackground::Opaque) painter_.fillRect(clipRect, brush_);
    if (text.empty()) return;
    ShapedTexts& shaped = Texts();
    ShapedTexts::Entry& entry = shaped.Of(text);
    // (x, y) is the top of the text cell; Qt places text by its baseline.
    const QPoint baseline(x, y + shaped.Ascent());
    painter_.setPen(text_);
    if (++entry.drawings == 1 && !entry.glyphsKept) {
        painter_.save();
        painter_.setClipRect(clipRect, Qt::IntersectClip);
        painter_.drawText(baseline, entry.text);
        painter_.restore();
        return;
    }
    if (!entry.glyphsKept) shaped.KeepGlyphs(entry);
    const QRectF ink =
        entry.ink.translated(baseline).adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin);
    // Clipping costs time, and most texts have nothing to cut off.
    const bool clipped = !QRectF(clipRect).contains(ink);
    if (clipped) {
        painter_.save();
        painter_.setClipRect(clipRect, Qt::IntersectClip);
    }
    for (const QGlyphRun& run : entry.glyphs) painter_.drawGlyphRun(baseline, run);
    if (clipped) painter_.restore();
}

TextSize QPainterCanvas::TextExtent(std::string_view text) {
    ShapedTexts& shaped = Texts();
    const int height = shaped.Height();
    if (text.empty()) return {0, height};
    return {shaped.Of(text).width, height};
}

void QPainterCanvas::Segment(Point from, Point to) {
    if (from == to) return;
    if (penWidth_ <= 1) {
        // One pixel wide, end point excluded.
        if (from.y == to.y) {
            const int left = from.x < to.x ? from.x : to.x + 1;
            painter_.fillRect(QRect(left, from.y, std::abs(to.x - from.x), 1), pen_);
            return;
        }
        if (from.x == to.x) {
            const int top = from.y < to.y ? from.y : to.y + 1;
            painter_.fillRect(QRect(from.x, top, 1, std::abs(to.y - from.y)), pen_);
            return;
        }
        // Any other direction: Bresenham, stopping before the end point.
        const int dx = std::abs(to.x - from.x);
        const int dy = -std::abs(to.y - from.y);
        const int sx = from.x < to.x ? 1 : -1;
        const int sy = from.y < to.y ? 1 : -1;
        int err = dx + dy;
        Point p = from;
        while (p != to) {
            painter_.fillRect(QRect(p.x, p.y, 1, 1), pen_);
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                p.x += sx;
            }
            if (e2 <= dx) {
                err += dx;
                p.y += sy;
            }
        }
        return;
    }
    // A wide pen covers width pixels across the line, centred as a device
    // context centres it (for width 2: the line's own row and the one
    // before), and reaches half its width past both ends so corners join.
    const int before = penWidth_ / 2;
    const int after = penWidth_ - before;
    if (from.y == to.y || from.x == to.x) {
        const int left = std::min(from.x, to.x) - before;
        const int right = std::max(from.x, to.x) + after;
        const int top = std::min(from.y, to.y) - before;
        const int bottom = std::max(from.y, to.y) + after;
        painter_.fillRect(QRect(left, top, right - left, bottom - top), pen_);
        return;
    }
    QPen pen(pen_, penWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter_.save();
    painter_.setPen(pen);
    painter_.drawLine(from.x, from.y, to.x, to.y);
    painter_.restore();
}

void QPainterCanvas::Polyline(const std::vector<Point>& points) {
    for (std::size_t i = 1; i < points.size(); ++i) Segment(points[i - 1], points[i]);
}

void QPainterCanvas::Ellipse(const Rect& bounds) {
    if (IsEmpty(bounds)) return;
    painter_.save();
    painter_.setBrush(brush_);
    if (penWidth_ > 0) {
        QPen pen(pen_);
        pen.setWidth(penWidth_ <= 1 ? 0 : penWidth_);  // 0: cosmetic, exactly one pixel
        painter_.setPen(pen);
    } else {
        painter_.setPen(Qt::NoPen);
    }
    // The outline stays inside the right and bottom edges, as the device
    // context's ellipse does.
    painter_.drawEllipse(QRectF(bounds.left, bounds.top, bounds.Width() - 1, bounds.Height() - 1));
    painter_.restore();
}

void QPainterCanvas::DrawFocusRect(const Rect& rect) {
    if (IsEmpty(rect)) return;
    const bool inverts = painter_.paintEngine() != nullptr &&
                         painter_.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    painter_.save();
    if (inverts) {
        painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    }
    const QColor dot = inverts ? QColor(Qt::white) : text_;
    // Every other pixel along the outline; each pixel once, so that drawing
    // it a second time restores what was there.
    auto put = [&](int x, int y) {
        if (((x + y) & 1) == 0) painter_.fillRect(QRect(x, y, 1, 1), dot);
    };
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    for (int x = rect.left; x <= right; ++x) {
        put(x, rect.top);
        if (bottom != rect.top) put(x, bottom);
    }
    for (int y = rect.top + 1; y < bottom; ++y) {
        put(rect.left, y);
        if (right != rect.left) put(right, y);
    }
    painter_.restore();
}

Color QPainterCanvas::SysColor(SystemColor which) const {
    switch (which) {
        case SystemColor::Highlight:
            return FromQColor(palette_.color(QPalette::Active, QPalette::Highlight));
        case SystemColor::HighlightText:
            return FromQColor(palette_.color(QPalette::Active, QPalette::HighlightedText));
        case SystemColor::ButtonFace:
            return FromQColor(palette_.color(QPalette::Active, QPalette::Button));
        case SystemColor::WindowText:
            return FromQColor(palette_.color(QPalette::Active, QPalette::WindowText));
    }
    return 0;
}

}  // namespace tessarine
