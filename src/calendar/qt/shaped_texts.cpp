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
    numerals_.Reset();
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

bool ShapedTexts::Compose(Entry& entry, std::string_view text) {
    // Right to left, the bidirectional order may move the parts about.
    if (direction_ == Qt::RightToLeft) return false;
    qreal advance = 0;
    const std::optional<QGlyphRun> run = numerals_.Compose(
        text, [this](const QString& part, qreal* partAdvance) { return LayOut(part, partAdvance); },
        &advance);
    if (!run) return false;
    entry.width = qRound(advance);
    entry.glyphsKept = true;
    entry.ink = run->boundingRect();
    entry.glyphs = {*run};
    return true;
}

}  // namespace tessarine
