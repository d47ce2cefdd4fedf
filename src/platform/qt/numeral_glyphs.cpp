// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/numeral_glyphs.h"

#include <QPointF>

namespace tessarine {

void NumeralGlyphs::Reset() {
    font_ = QRawFont();
    numerals_ = {};
    pairs_ = {};
}

int NumeralGlyphs::IndexOf(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return c == ' ' ? kCount - 1 : -1;
}

QChar NumeralGlyphs::CharOf(int index) {
    return index < 10 ? QChar(u'0' + index) : QChar(u' ');
}

const NumeralGlyphs::Numeral& NumeralGlyphs::Glyph(int index, const LayOut& layOut) {
    Numeral& numeral = numerals_[static_cast<std::size_t>(index)];
    if (numeral.shaped) return numeral;
    numeral.shaped = true;
    const QList<QGlyphRun> runs = layOut(QString(CharOf(index)), &numeral.advance);
    if (runs.size() != 1 || runs[0].glyphIndexes().size() != 1) return numeral;
    // A numeral the font lacks comes from a fallback face: not composed.
    if (!font_.isValid()) font_ = runs[0].rawFont();
    numeral.single = runs[0].rawFont() == font_ && runs[0].positions()[0].x() == 0;
    numeral.glyph = runs[0].glyphIndexes()[0];
    return numeral;
}

bool NumeralGlyphs::PairIsExact(int left, int right, const LayOut& layOut) {
    PairFit& fit = pairs_[static_cast<std::size_t>(left * kCount + right)];
    if (fit == PairFit::Unknown) {
        const Numeral& a = Glyph(left, layOut);
        const Numeral& b = Glyph(right, layOut);
        qreal advance = 0;
        const QList<QGlyphRun> runs = layOut(QString(CharOf(left)) + CharOf(right), &advance);
        const bool exact = a.single && b.single && runs.size() == 1 && runs[0].rawFont() == font_ &&
                           runs[0].glyphIndexes() == QList<quint32>{a.glyph, b.glyph} &&
                           runs[0].positions()[0].x() == 0 &&
                           runs[0].positions()[1].x() == a.advance &&
                           advance == a.advance + b.advance;
        fit = exact ? PairFit::Exact : PairFit::Shaped;
    }
    return fit == PairFit::Exact;
}

std::optional<QGlyphRun> NumeralGlyphs::Compose(std::string_view text, const LayOut& layOut,
                                                qreal* advance) {
    if (text.size() < 2) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int index = IndexOf(text[i]);
        if (index < 0) return std::nullopt;
        if (i > 0 && !PairIsExact(IndexOf(text[i - 1]), index, layOut)) return std::nullopt;
    }
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(static_cast<qsizetype>(text.size()));
    positions.reserve(static_cast<qsizetype>(text.size()));
    qreal x = 0;
    for (const char c : text) {
        const Numeral& numeral = numerals_[static_cast<std::size_t>(IndexOf(c))];
        glyphs.append(numeral.glyph);
        positions.append(QPointF(x, 0));
        x += numeral.advance;
    }
    QGlyphRun run;
    run.setRawFont(font_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    if (advance != nullptr) *advance = x;
    return run;
}

}  // namespace tessarine
