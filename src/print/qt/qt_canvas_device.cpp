#include "print/qt/qt_canvas_device.h"

#include <QFontMetrics>
#include <QPen>
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
    font_ = font;
    qfont_ = ToQFont(font);
    if (QPainter* painter = ActivePainter()) {
        painter->setFont(qfont_);
    }
}

DeviceTextMetrics QtCanvasDevice::TextMetrics() const {
    const QFontMetrics metrics(qfont_, MeasuringDevice());
    // Qt's leading may be negative for some faces; the printer's external
    // leading never is.
    return DeviceTextMetrics{metrics.height(), std::max(metrics.leading(), 0)};
}

DeviceSize QtCanvasDevice::TextExtent(const std::string& text) const {
    const QFontMetrics metrics(qfont_, MeasuringDevice());
    return DeviceSize{metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
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
    const QString qtext = QString::fromStdString(text);
    const QFontMetrics metrics(qfont_, MeasuringDevice());
    const int left = x + origin.x;
    const int top = y + origin.y;
    painter.setFont(qfont_);
    painter.fillRect(QRect(left, top, metrics.horizontalAdvance(qtext), metrics.height()),
                     Qt::white);
    painter.setPen(QPen(Qt::black));
    painter.drawText(QPoint(left, top + metrics.ascent()), qtext);
}

void QtCanvasDevice::Rectangle(int x1, int y1, int x2, int y2, int penWidth, std::uint8_t gray) {
    QPainter& painter = RequirePainter();
    const DevicePoint origin = PrintableOffset();
    QPen pen(Qt::black);
    pen.setWidth(std::max(penWidth, 1));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(QColor(gray, gray, gray));
    painter.drawRect(
        QRectF(QPointF(x1 + origin.x, y1 + origin.y), QPointF(x2 + origin.x, y2 + origin.y)));
    painter.setBrush(Qt::NoBrush);
}

}  // namespace tessarine
