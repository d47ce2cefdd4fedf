// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/box_batch.h"

#include <QPen>

namespace tessarine {

namespace {

// Of two normalized boxes. Strict on both sides: boxes that only touch do
// not overlap, but a zero-width box (a line) inside another box does.
bool InsidesOverlap(const QRectF& p, const QRectF& q) {
    return p.left() < q.right() && q.left() < p.right() && p.top() < q.bottom() &&
           q.top() < p.bottom();
}

}  // namespace

bool BoxBatch::Accepts(const QRectF& box, int penWidth) const {
    if (insides_.empty()) {
        return true;
    }
    if (penWidth != penWidth_ || insides_.size() >= kMaxBoxes) {
        return false;
    }
    const QRectF inside = box.normalized();
    for (const QRectF& held : insides_) {
        if (InsidesOverlap(held, inside)) {
            return false;
        }
    }
    return true;
}

void BoxBatch::Add(const QRectF& box, int penWidth, std::uint8_t gray) {
    penWidth_ = penWidth;
    insides_.push_back(box.normalized());
    for (Shade& shade : shades_) {
        if (shade.gray == gray) {
            shade.boxes.append(box);
            return;
        }
    }
    shades_.push_back(Shade{gray, {box}});
}

void BoxBatch::Draw(QPainter& painter) {
    if (insides_.empty()) {
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
    insides_.clear();
}

}  // namespace tessarine
