// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/held_texts.h"

#include <QPen>
#include <QRawFont>

namespace tessarine {

bool HeldTexts::WouldCover(const QRectF& area) const {
    for (const Text& text : texts_) {
        if (text.extent.intersects(area)) {
            return true;
        }
    }
    return false;
}

void HeldTexts::Hold(const QRect& patch, const QPointF& baseline, const Shape& shape,
                     const QRectF& ink, qreal spare) {
    const QRectF extent =
        QRectF(patch).united(ink.translated(baseline)).adjusted(-spare, -spare, spare, spare);
    texts_.push_back(Text{extent, patch, baseline, shape});
}

void HeldTexts::Draw(QPainter& painter) {
    if (texts_.empty()) {
        return;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    QList<QRect> patches;
    patches.reserve(static_cast<qsizetype>(texts_.size()));
    for (const Text& text : texts_) {
        patches.append(text.patch);
    }
    painter.drawRects(patches.constData(), static_cast<int>(patches.size()));
    // One run per face: a text with glyphs the font lacks has runs in a
    // fallback face too.
    struct Merged {
        QRawFont font;
        QList<quint32> glyphs;
        QList<QPointF> positions;
    };
    std::vector<Merged> merged;
    for (const Text& text : texts_) {
        for (const QGlyphRun& run : text.shape) {
            auto into = merged.begin();
            while (into != merged.end() && !(into->font == run.rawFont())) {
                ++into;
            }
            if (into == merged.end()) {
                into = merged.insert(merged.end(), Merged{run.rawFont(), {}, {}});
            }
            into->glyphs += run.glyphIndexes();
            for (const QPointF& position : run.positions()) {
                into->positions.append(text.baseline + position);
            }
        }
    }
    painter.setPen(QPen(Qt::black));
    for (const Merged& face : merged) {
        QGlyphRun run;
        run.setRawFont(face.font);
        run.setGlyphIndexes(face.glyphs);
        run.setPositions(face.positions);
        painter.drawGlyphRun(QPointF(0, 0), run);
    }
    texts_.clear();
}

}  // namespace tessarine
