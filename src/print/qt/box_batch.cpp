#include "print/qt/box_batch.h"

#include <QPen>

namespace tessarine {

namespace {

// Strict on both sides: boxes that only touch do not overlap, but a
// zero-width box (a line) inside another box does.
bool InsidesOverlap(const QRectF& a, const QRectF& b) {
    const QRectF p = a.normalized();
    const QRectF q = b.normalized();
    return p.left() < q.right() && q.left() < p.right() && p.top() < q.bottom() &&
           q.top() < p.bottom();
}

}  // namespace

bool BoxBatch::Accepts(const QRectF& box, int penWidth) const {
    if (count_ == 0) {
        return true;
    }
    if (penWidth != penWidth_ || count_ >= kMaxBoxes) {
        return false;
    }
    for (const Shade& shade : shades_) {
        for (const QRectF& held : shade.boxes) {
            if (InsidesOverlap(held, box)) {
                return false;
            }
        }
    }
    return true;
}

void BoxBatch::Add(const QRectF& box, int penWidth, std::uint8_t gray) {
    penWidth_ = penWidth;
    ++count_;
    for (Shade& shade : shades_) {
        if (shade.gray == gray) {
            shade.boxes.append(box);
            return;
        }
    }
    shades_.push_back(Shade{gray, {box}});
}

void BoxBatch::Draw(QPainter& painter) {
    if (count_ == 0) {
        return;
    }
    QPen pen(Qt::black);
    pen.setWidth(penWidth_);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    for (const Shade& shade : shades_) {
        painter.setBrush(QColor(shade.gray, shade.gray, shade.gray));
        painter.drawRects(shade.boxes.constData(), static_cast<int>(shade.boxes.size()));
    }
    Clear();
}

void BoxBatch::Clear() {
    shades_.clear();
    count_ = 0;
}

}  // namespace tessarine
