// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPaintDevice>
#include <QString>

namespace tessarine {

// `text` laid out as one line in `font` at `device`'s resolution (the
// screen's when null), in `direction`: its glyph runs with positions from the
// baseline's left end and bounds that are the glyphs' own, and in `advance`
// (when given) the line's advance, which is what
// QFontMetrics::horizontalAdvance gives, trailing spaces included. Keeping
// the runs lets a text shaped once be drawn again and again.
QList<QGlyphRun> LineGlyphs(const QString& text, const QFont& font, const QPaintDevice* device,
                            Qt::LayoutDirection direction, qreal* advance);

}  // namespace tessarine
