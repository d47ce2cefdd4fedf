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
    // Whether a new patch could cover the ink of a text already held (glyphs
    // may reach `reach` pixels beyond their box); if so, draw first.
    bool WouldCover(const QRect& patch, int reach) const;
    void Hold(const QRect& patch, const QPointF& baseline, const Shape& shape);
    // Draws and forgets every held text; the painter keeps a black pen and
    // a white brush.
    void Draw(QPainter& painter);
    void Clear() { texts_.clear(); }

  private:
    struct Text {
        QRect patch;
        QPointF baseline;
        Shape shape;
    };
    std::vector<Text> texts_;
};

}  // namespace tessarine
