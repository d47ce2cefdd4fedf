// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/qt/shaped_texts.h"

#include <utility>

#include "platform/qt/line_glyphs.h"

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
    return LineGlyphs(text, font_, nullptr, direction_, advance);
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
