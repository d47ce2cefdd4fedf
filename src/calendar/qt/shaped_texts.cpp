#include "calendar/qt/shaped_texts.h"

#include <QTextLayout>
#include <QTextOption>
#include <utility>

namespace tessarine {

void ShapedTexts::Follow(const QFont& font, int dpi, Qt::LayoutDirection direction) {
    if (valid_ && dpi == dpi_ && direction == direction_ && font == font_) return;
    entries_.clear();
    font_ = font;
    dpi_ = dpi;
    direction_ = direction;
    metrics_ = QFontMetrics(font);
    numeralFont_ = QRawFont();
    numerals_ = {};
    pairs_ = {};
    ascent_ = metrics_.ascent();
    height_ = metrics_.height();
    valid_ = true;
}

ShapedTexts::Entry& ShapedTexts::Of(std::string_view text) {
    if (const auto found = entries_.find(text); found != entries_.end()) {
        return found->second;
    }
    if (entries_.size() >= kMaxEntries) entries_.clear();
    Entry entry;
    entry.text = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (!Compose(entry, text)) entry.width = metrics_.horizontalAdvance(entry.text);
    return entries_.emplace(std::string(text), std::move(entry)).first->second;
}

QList<QGlyphRun> ShapedTexts::LayOut(const QString& text, qreal* advance) const {
    QTextLayout layout(text, font_);
    QTextOption option;
    option.setTextDirection(direction_);
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

void ShapedTexts::KeepGlyphs(Entry& entry) const {
    entry.glyphsKept = true;
    entry.glyphs = LayOut(entry.text, nullptr);
    for (const QGlyphRun& run : entry.glyphs) entry.ink |= run.boundingRect();
}

int ShapedTexts::NumeralIndex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    return c == ' ' ? kNumeralCount - 1 : -1;
}

const ShapedTexts::Numeral& ShapedTexts::NumeralGlyph(int index) {
    Numeral& numeral = numerals_[static_cast<std::size_t>(index)];
    if (numeral.shaped) return numeral;
    numeral.shaped = true;
    const QChar c = index < 10 ? QChar(u'0' + index) : QChar(u' ');
    const QList<QGlyphRun> runs = LayOut(QString(c), &numeral.advance);
    if (runs.size() != 1 || runs[0].glyphIndexes().size() != 1) return numeral;
    // A numeral the font lacks comes from a fallback face: not composed.
    if (!numeralFont_.isValid()) numeralFont_ = runs[0].rawFont();
    numeral.single = runs[0].rawFont() == numeralFont_ && runs[0].positions()[0].x() == 0;
    numeral.glyph = runs[0].glyphIndexes()[0];
    return numeral;
}

bool ShapedTexts::PairIsExact(int left, int right) {
    PairFit& fit = pairs_[static_cast<std::size_t>(left * kNumeralCount + right)];
    if (fit == PairFit::Unknown) {
        const Numeral& a = NumeralGlyph(left);
        const Numeral& b = NumeralGlyph(right);
        const QChar ca = left < 10 ? QChar(u'0' + left) : QChar(u' ');
        const QChar cb = right < 10 ? QChar(u'0' + right) : QChar(u' ');
        qreal advance = 0;
        const QList<QGlyphRun> runs = LayOut(QString(ca) + cb, &advance);
        const bool exact =
            a.single && b.single && runs.size() == 1 && runs[0].rawFont() == numeralFont_ &&
            runs[0].glyphIndexes() == QList<quint32>{a.glyph, b.glyph} &&
            runs[0].positions()[0].x() == 0 && runs[0].positions()[1].x() == a.advance &&
            advance == a.advance + b.advance;
        fit = exact ? PairFit::Exact : PairFit::Shaped;
    }
    return fit == PairFit::Exact;
}

bool ShapedTexts::Compose(Entry& entry, std::string_view text) {
    // Right to left, the bidirectional order may move the parts about.
    if (direction_ == Qt::RightToLeft || text.size() < 2) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const int index = NumeralIndex(text[i]);
        if (index < 0) return false;
        if (i > 0 && !PairIsExact(NumeralIndex(text[i - 1]), index)) return false;
    }
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(static_cast<qsizetype>(text.size()));
    positions.reserve(static_cast<qsizetype>(text.size()));
    qreal x = 0;
    for (const char c : text) {
        const Numeral& numeral = numerals_[static_cast<std::size_t>(NumeralIndex(c))];
        glyphs.append(numeral.glyph);
        positions.append(QPointF(x, 0));
        x += numeral.advance;
    }
    QGlyphRun run;
    run.setRawFont(numeralFont_);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    entry.width = qRound(x);
    entry.glyphsKept = true;
    entry.ink = run.boundingRect();
    entry.glyphs = {run};
    return true;
}

}  // namespace tessarine
