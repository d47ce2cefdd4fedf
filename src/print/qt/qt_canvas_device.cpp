// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/qt_canvas_device.h"

#include <QPen>
#include <algorithm>

#include "print/print_device_errors.h"

namespace tessarine {

void QtCanvasDevice::SetFont(const PrintFont& font) {
    // Layouts name the font before nearly every label; most of the time it
    // is the one already set, and the held texts can stay held.
    if (font == font_) {
        return;
    }
    FlushHeld();
    font_ = font;
    face_ = nullptr;
}

PrintFaces::Face& QtCanvasDevice::CurrentFace() const {
    if (face_ == nullptr) {
        face_ = &faces_->Of(font_, *MeasuringDevice());
    }
    return *face_;
}

DeviceTextMetrics QtCanvasDevice::TextMetrics() const {
    const PrintFaces::Face& face = CurrentFace();
    return DeviceTextMetrics{face.Height(), face.Leading()};
}

DeviceSize QtCanvasDevice::TextExtent(const std::string& text) const {
    PrintFaces::Face& face = CurrentFace();
    return DeviceSize{face.Shaped(text, *MeasuringDevice()).advance, face.Height()};
}

QPainter& QtCanvasDevice::RequirePainter() {
    QPainter* painter = ActivePainter();
    if (painter == nullptr || !painter->isActive()) {
        throw DocumentNotOpenError();
    }
    return *painter;
}

void QtCanvasDevice::TextOutOpaque(int x, int y, const std::string& text) {
    QPainter& painter = RequirePainter();
    const DevicePoint origin = PrintableOffset();
    PrintFaces::Face& face = CurrentFace();
    const PrintFaces::ShapedText& shaped = face.Shaped(text, *MeasuringDevice());
    const QRect patch(x + origin.x, y + origin.y, shaped.advance, face.Height());
    // A glyph run carries no underline or strike-out line.
    if (face.Font().underline() || face.Font().strikeOut()) {
        FlushHeld();
        DrawAlone(painter, patch, QString::fromStdString(text));
        return;
    }
    if (heldTexts_.WouldCover(patch)) {
        FlushHeld();
    }
    // A point on a screen at actual size: drawings nearer than that keep
    // their order even on a page viewed at 72 dots per inch.
    const qreal spare = std::max(1, PixelsPerInchX() / 72);
    heldTexts_.Hold(patch, QPointF(patch.left(), patch.top() + face.Ascent()), shaped.shape,
                    shaped.ink, spare);
}

void QtCanvasDevice::DrawAlone(QPainter& painter, const QRect& patch, const QString& text) {
    const PrintFaces::Face& face = CurrentFace();
    painter.setFont(face.Font());
    painter.fillRect(patch, Qt::white);
    painter.setPen(QPen(Qt::black));
    painter.drawText(QPoint(patch.left(), patch.top() + face.Ascent()), text);
}

// Every held box was drawn before the held texts it could touch, so the
// boxes go first.
void QtCanvasDevice::FlushHeld() {
    if (!heldBoxes_.Empty()) {
        heldBoxes_.Draw(RequirePainter());
    }
    if (!heldTexts_.Empty()) {
        heldTexts_.Draw(RequirePainter());
    }
}

void QtCanvasDevice::Rectangle(int x1, int y1, int x2, int y2, int penWidth, std::uint8_t gray) {
    QPainter& painter = RequirePainter();
    const DevicePoint origin = PrintableOffset();
    const QRectF box(QPointF(x1 + origin.x, y1 + origin.y), QPointF(x2 + origin.x, y2 + origin.y));
    const int pen = std::max(penWidth, 1);
    // Held texts stay held unless this box, its outline included, could
    // cover them: a page of boxes with a label in each then draws its
    // labels together at the end instead of one by one between the boxes.
    // The outline is centred on the box's edges.
    const qreal halfPen = pen / 2.0;
    if (heldTexts_.WouldCover(box.normalized().adjusted(-halfPen, -halfPen, halfPen, halfPen))) {
        FlushHeld();
    } else if (!heldBoxes_.Accepts(box, pen)) {
        heldBoxes_.Draw(painter);
    }
    heldBoxes_.Add(box, pen, gray);
}

}  // namespace tessarine
