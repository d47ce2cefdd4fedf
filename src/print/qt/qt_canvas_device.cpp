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

void QtCanvasDevice::SetFont(const PrintFont& font) {
    FlushTexts();
    font_ = font;
    qfont_ = ToQFont(font);
    metrics_.reset();
    if (QPainter* painter = ActivePainter()) {
        painter->setFont(qfont_);
    }
}

const QFontMetrics& QtCanvasDevice::Metrics() const {
    if (!metrics_) {
        metrics_.emplace(qfont_, MeasuringDevice());
    }
    return *metrics_;
}

const QtCanvasDevice::ShapedText& QtCanvasDevice::Shaped(const std::string& text) const {
    std::string key = font_.name;
    key += '\0';
    key += std::to_string(font_.points);
    key += static_cast<char>('0' + font_.style);
    key += text;
    const auto [entry, added] = shaped_.try_emplace(std::move(key));
    if (added) {
        const QString qtext = QString::fromStdString(text);
        entry->second.advance = Metrics().horizontalAdvance(qtext);
        QTextLayout layout(qtext, qfont_, MeasuringDevice());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
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
    return DeviceTextMetrics{Metrics().height(), std::max(Metrics().leading(), 0)};
}

DeviceSize QtCanvasDevice::TextExtent(const std::string& text) const {
    return DeviceSize{Shaped(text).advance, Metrics().height()};
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
    const QFontMetrics& metrics = Metrics();
    const ShapedText& shaped = Shaped(text);
    const QRect patch(x + origin.x, y + origin.y, shaped.advance, metrics.height());
    // A glyph run carries no underline or strike-out line.
    if (qfont_.underline() || qfont_.strikeOut()) {
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
    painter.setFont(qfont_);
    painter.fillRect(patch, Qt::white);
    painter.setPen(QPen(Qt::black));
    painter.drawText(QPoint(patch.left(), patch.top() + Metrics().ascent()), text);
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
