// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPainter>
#include <QRectF>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessarine {

// Outlined boxes held back and drawn as one path per shade. Boxes of one
// outline width whose insides do not overlap look the same in any order:
// an outline that a later fill covers lies within that box's own outline,
// which is drawn again. A grid of cells then costs one path per shade
// instead of a change of pen and brush and a path per cell.
class BoxBatch {
  public:
    bool Empty() const { return insides_.empty(); }
    // Whether `box` can join the held boxes: the same outline, and no inside
    // (the box's or a held one's) reaching into the other. Otherwise draw
    // the held boxes first.
    bool Accepts(const QRectF& box, int penWidth) const;
    void Add(const QRectF& box, int penWidth, std::uint8_t gray);
    // Draws and forgets every held box.
    void Draw(QPainter& painter);
    void Clear();

  private:
    struct Shade {
        std::uint8_t gray;
        QList<QRectF> boxes;
    };
    // Enough for the busiest page; beyond it the overlap check would cost
    // more than it saves.
    static constexpr std::size_t kMaxBoxes = 512;

    int penWidth_ = 0;
    std::vector<QRectF> insides_;  // every held box, normalized once
    std::vector<Shade> shades_;    // in the order first seen
};

}  // namespace tessarine
