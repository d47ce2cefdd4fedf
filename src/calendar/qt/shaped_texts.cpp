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
    entry.width = metrics_.horizontalAdvance(entry.text);
    return entries_.emplace(std::string(text), std::move(entry)).first->second;
}

void ShapedTexts::KeepGlyphs(Entry& entry) const {
    QTextLayout layout(entry.text, font_);
    QTextOption option;
    option.setTextDirection(direction_);
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QPointF toBaseline(0, -line.ascent());
    entry.glyphsKept = true;
    entry.glyphs = layout.glyphRuns();
    for (QGlyphRun& run : entry.glyphs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions) position += toBaseline;
        run.setPositions(positions);
        entry.ink |= run.boundingRect();
    }
}

}  // namespace tessarine
