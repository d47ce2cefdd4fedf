#include "calendar/qt/qpainter_canvas.h"

#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace tessarine {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

}  // namespace

QColor ToQColor(Color color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

Color FromQColor(const QColor& color) {
    return RgbColor(static_cast<std::uint8_t>(color.red()),
                    static_cast<std::uint8_t>(color.green()),
                    static_cast<std::uint8_t>(color.blue()));
}

QPainterCanvas::QPainterCanvas(QPainter& painter, const QPalette& palette)
    : painter_(painter), palette_(palette) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void QPainterCanvas::FillRect(const Rect& rect) {
    if (IsEmpty(rect)) return;
    painter_.fillRect(ToQRect(rect), brush_);
}

void QPainterCanvas::TextRect(const Rect& clip, int x, int y, std::string_view text,
                              TextBackground background) {
    if (IsEmpty(clip)) return;
    if (background == TextBackground::Opaque) painter_.fillRect(ToQRect(clip), brush_);
    if (text.empty()) return;
    painter_.save();
    painter_.setClipRect(ToQRect(clip), Qt::IntersectClip);
    painter_.setPen(text_);
    const QFontMetrics metrics(painter_.font());
    // (x, y) is the top of the text cell; Qt places text by its baseline.
    painter_.drawText(QPoint(x, y + metrics.ascent()), ToQString(text));
    painter_.restore();
}

TextSize QPainterCanvas::TextExtent(std::string_view text) {
    const QFontMetrics metrics(painter_.font());
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
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
