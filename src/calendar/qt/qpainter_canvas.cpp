#include "calendar/qt/qpainter_canvas.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <unordered_map>

namespace tessarine {

namespace {

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Antialiased glyphs may touch a pixel or so beyond their outline's box.
constexpr int kInkMargin = 2;

bool IsEmpty(const Rect& r) {
    return r.right <= r.left || r.bottom <= r.top;
}

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.Width(), r.Height());
}

}  // namespace

// Shaping a text (finding its glyphs and their places) costs far more than
// filling the cell around it, and the plain way of drawing a text shapes it
// anew every time, and measuring it once more. A grid shows many of the same
// texts paint after paint (day names, days of the month, a month's labels
// while the selection moves), so each text's measures are kept, and from its
// second drawing on its glyphs too. Keeping glyphs costs more than one plain
// drawing, so a text drawn only once never pays for it. The glyphs are drawn
// exactly where drawing the text places them: the pixels are the same.
class ShapedTexts {
  public:
    struct Entry {
        QString text;
        int width = 0;
        int drawings = 0;
        // Kept from the second drawing on; positions relative to the start
        // of the baseline.
        bool glyphsKept = false;
        QList<QGlyphRun> glyphs;
        // Where the glyphs may put ink, relative to the start of the
        // baseline; valid with the glyphs.
        QRectF ink;
    };

    // Where the texts are drawn: the painter's font, its device's
    // resolution and the text direction. Cheap when nothing changed.
    void Follow(const QFont& font, int dpi, Qt::LayoutDirection direction) {
        if (valid_ && dpi == dpi_ && direction == direction_ && font == font_) return;
        entries_.clear();
        font_ = font;
        dpi_ = dpi;
        direction_ = direction;
        metrics_ = QFontMetrics(font);
        ascent_ = metrics_.ascent();
        height_ = metrics_.height();
        valid_ = true;
    }

    // `text` measured as Follow last said.
    Entry& Of(std::string_view text) {
        if (const auto found = entries_.find(text); found != entries_.end()) {
            return found->second;
        }
        if (entries_.size() >= kMaxEntries) entries_.clear();
        Entry entry;
        entry.text = ToQString(text);
        entry.width = metrics_.horizontalAdvance(entry.text);
        return entries_.emplace(std::string(text), std::move(entry)).first->second;
    }

    // Lays the entry's text out once and keeps its glyphs.
    void KeepGlyphs(Entry& entry) const {
        QTextLayout layout(entry.text, font_);
        QTextOption option;
        option.setTextDirection(direction_);
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const QPointF toBaseline(0, -line.ascent());
        entry.glyphsKept = true;
        entry.glyphs = layout.glyphRuns();
        for (QGlyphRun& run : entry.glyphs) {
            QList<QPointF> positions = run.positions();
            for (QPointF& position : positions) position += toBaseline;
            run.setPositions(positions);
            entry.ink |= run.boundingRect();
        }
    }

    int Ascent() const { return ascent_; }
    int Height() const { return height_; }

  private:
    // Enough for the texts of many months; bounded so that paging through
    // centuries cannot grow it without end.
    static constexpr std::size_t kMaxEntries = 4096;

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    bool valid_ = false;
    QFont font_;
    int dpi_ = 0;
    Qt::LayoutDirection direction_ = Qt::LeftToRight;
    QFontMetrics metrics_{QFont()};
    int ascent_ = 0;
    int height_ = 0;
    std::unordered_map<std::string, Entry, Hash, std::equal_to<>> entries_;
};

namespace {

// The texts of the GUI thread, kept from paint to paint. They hold font
// engines, so they go when the application object does.
ShapedTexts* guiThreadTexts = nullptr;

void DropGuiThreadTexts() {
    delete guiThreadTexts;
    guiThreadTexts = nullptr;
}

ShapedTexts* GuiThreadTexts() {
    const QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || QThread::currentThread() != application->thread()) {
        return nullptr;
    }
    if (guiThreadTexts == nullptr) {
        guiThreadTexts = new ShapedTexts;
        qAddPostRoutine(DropGuiThreadTexts);
    }
    return guiThreadTexts;
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
    : painter_(painter),
      palette_(palette),
      ownerPen_(painter.pen()),
      // Asking a widget for its resolution goes to its screen: once a paint.
      dpi_(painter.device() != nullptr ? painter.device()->logicalDpiY() : 0),
      texts_(GuiThreadTexts()) {
    if (texts_ == nullptr) {
        // Off the GUI thread the texts last for this canvas only.
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
    if (++entry.drawings == 1) {
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
