// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/line_glyphs.h"

#include <QPointF>
#include <QRectF>
#include <QTextLayout>
#include <QTextOption>

namespace tessarine {

QList<QGlyphRun> LineGlyphs(const QString& text, const QFont& font, const QPaintDevice* device,
                            Qt::LayoutDirection direction, qreal* advance) {
    QTextLayout layout(text, font, device);
    QTextOption option;
    option.setTextDirection(direction);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (advance != nullptr) *advance = line.horizontalAdvance();
    const QPointF toBaseline(0, -line.ascent());
    QList<QGlyphRun> runs = layout.glyphRuns();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions) position += toBaseline;
        run.setPositions(positions);
        // The layout gave the run its line's box, where it stood before the
        // move; the glyphs' own bounds are where ink can fall.
        run.setBoundingRect(QRectF());
    }
    return runs;
}

}  // namespace tessarine
