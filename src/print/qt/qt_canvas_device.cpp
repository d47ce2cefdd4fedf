#include "print/qt/qt_canvas_device.h"

#include <QPen>
#include <QTextLayout>
#include <algorithm>

namespace tessarine {

namespace {

constexpr int kDefaultPoints = 10;

}  // namespace

QFont ToQFont(const PrintFont& font) {
    QFont qfont(font.name.empty() ? QStringLiteral("Arial") : QString::fromStdString(font.name));
    qfont.setStyleHint(QFont::SansSerif);
    // Unhinted outlines measure the same on every device, so a PDF page and
    // a printed one match.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setPointSizeF(font.points > 0 ? font.points : kDefaultPoints);
    qfont.setBold((font.style & kFontBold) != 0);
    qfont.setItalic((font.style & kFontItalic) != 0);
    qfont.setUnderline((font.style & kFontUnderline) != 0);
    qfont.setStrikeOut((font.style & kFontStrikeOut) != 0);
    return qfont;
}

QtCanvasDevice::Face::Face(const PrintFont& printFont, const QPaintDevice* device)
    : font(ToQFont(printFont)), metrics(font, device) {}

std::size_t QtCanvasDevice::FontHash::operator()(const PrintFont& font) const {
    return std::hash<std::string>{}(font.name) ^
           (static_cast<std::size_t>(font.points) << 8 | font.style) * 0x9E3779B97F4A7C15u;
}

void QtCanvasDevice::SetFont(const PrintFont& font) {
    // Layouts name the font before nearly every label; most of the time it
    // is the one already set, and the held texts can stay held.
    if (font == font_) {
        return;
    }
    FlushTexts();
    font_ = font;
    face_ = nullptr;
}

QtCanvasDevice::Face& QtCanvasDevice::CurrentFace() const {
    if (face_ == nullptr) {
        face_ = &faces_.try_emplace(font_, font_, MeasuringDevice()).first->second;
    }
    return *face_;
}

const QtCanvasDevice::ShapedText& QtCanvasDevice::Shaped(const std::string& text) const {
    Face& face = CurrentFace();
    const auto [entry, added] = face.shaped.try_emplace(text);
    if (added) {
        const QString qtext = QString::fromStdString(text);
        QTextLayout layout(qtext, face.font, MeasuringDevice());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        // The line's advance is what QFontMetrics::horizontalAdvance gives,
        // trailing spaces included, without shaping the text a second time.
        entry->second.advance = qRound(line.horizontalAdvance());
        // Glyph positions from the baseline's left end.
        for (QGlyphRun run : layout.glyphRuns()) {
            QList<QPointF> positions = run.positions();
            for (QPointF& position : positions) {
                position.ry() -= line.ascent();
            }
            run.setPositions(positions);
            entry->second.shape.append(run);
        }
    }
    return entry->second;
}

DeviceTextMetrics QtCanvasDevice::TextMetrics() const {
    // Qt's leading may be negative for some faces; the printer's external
    // leading never is.
    const QFontMetrics& metrics = CurrentFace().metrics;
    return DeviceTextMetrics{metrics.height(), std::max(metrics.leading(), 0)};
}

DeviceSize QtCanvasDevice::TextExtent(const std::string& text) const {
    return DeviceSize{Shaped(text).advance, CurrentFace().metrics.height()};
}

QPainter& QtCanvasDevice::RequirePainter() {
    QPainter* painter = ActivePainter();
    if (painter == nullptr || !painter->isActive()) {
        throw PrintError("Nothing can be drawn: the print document is not open.");
    }
    return *painter;
}

void QtCanvasDevice::TextOutOpaque(int x, int y, const std::string& text) {
    QPainter& painter = RequirePainter();
    const DevicePoint origin = PrintableOffset();
    const Face& face = CurrentFace();
    const QFontMetrics& metrics = face.metrics;
    const ShapedText& shaped = Shaped(text);
    const QRect patch(x + origin.x, y + origin.y, shaped.advance, metrics.height());
    // A glyph run carries no underline or strike-out line.
    if (face.font.underline() || face.font.strikeOut()) {
        FlushTexts();
        DrawAlone(painter, patch, QString::fromStdString(text));
        return;
    }
    if (heldTexts_.WouldCover(patch, metrics.height() / 4)) {
        FlushTexts();
    }
    heldTexts_.Hold(patch, QPointF(patch.left(), patch.top() + metrics.ascent()), shaped.shape);
}

void QtCanvasDevice::DrawAlone(QPainter& painter, const QRect& patch, const QString& text) {
    const Face& face = CurrentFace();
    painter.setFont(face.font);
    painter.fillRect(patch, Qt::white);
    painter.setPen(QPen(Qt::black));
    painter.drawText(QPoint(patch.left(), patch.top() + face.metrics.ascent()), text);
}

void QtCanvasDevice::FlushTexts() {
    if (!heldTexts_.Empty()) {
        heldTexts_.Draw(RequirePainter());
    }
}

void QtCanvasDevice::Rectangle(int x1, int y1, int x2, int y2, int penWidth, std::uint8_t gray) {
    FlushTexts();
    QPainter& painter = RequirePainter();
    const DevicePoint origin = PrintableOffset();
    QPen pen(Qt::black);
    pen.setWidth(std::max(penWidth, 1));
    pen.setJoinStyle(Qt::MiterJoin);
    // The painter skips a pen or brush equal to the one it has, so a run of
    // like boxes writes its style once.
    painter.setPen(pen);
    painter.setBrush(QColor(gray, gray, gray));
    painter.drawRect(
        QRectF(QPointF(x1 + origin.x, y1 + origin.y), QPointF(x2 + origin.x, y2 + origin.y)));
}

}  // namespace tessarine
