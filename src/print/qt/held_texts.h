// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGlyphRun>
#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QString>
#include <vector>

namespace tessarine {

// Opaque texts in one font, held back and drawn together: first every white
// patch, then every text in one glyph run. Drawn one by one, each text costs
// a change of pen and brush and a text object of its own in the output, and
// a year page has hundreds of them.
class HeldTexts {
  public:
    // A text shaped once: its glyph runs with positions from its baseline
    // origin.
    using Shape = QList<QGlyphRun>;

    bool Empty() const { return texts_.empty(); }
    // Whether drawing over `area` could touch a text already held: its
    // patch or the ink of its glyphs. If so, draw the held texts first, so
    // that what is drawn later stays on top as it would one by one.
    bool WouldCover(const QRectF& area) const;
    // `ink` bounds the shape's glyphs, relative to the baseline origin.
    // Drawings closer than `spare` pixels to the patch or the ink count as
    // touching: they may share a pixel once the page is shown smaller.
    void Hold(const QRect& patch, const QPointF& baseline, const Shape& shape, const QRectF& ink,
              qreal spare);
    // Draws and forgets every held text; the painter keeps a black pen and
    // a white brush.
    void Draw(QPainter& painter);
    void Clear() { texts_.clear(); }

  private:
    struct Text {
        QRectF extent;  // the patch and the ink, with room to spare
        QRect patch;
        QPointF baseline;
        Shape shape;
    };
    std::vector<Text> texts_;
};

}  // namespace tessarine
