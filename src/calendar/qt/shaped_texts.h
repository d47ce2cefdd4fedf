// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QRectF>
#include <QString>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/qt/numeral_glyphs.h"

namespace tessarine {

// Shaping a text (finding its glyphs and their places) costs far more than
// filling the cell around it, and the plain way of drawing a text shapes it
// anew every time, and measuring it once more. A grid shows many of the same
// texts paint after paint (day names, days of the month, a month's labels
// while the selection moves), so each text's measures are kept, and from its
// second drawing on its glyphs too. Keeping glyphs costs more than one plain
// drawing, so a text drawn only once never pays for it. The glyphs are drawn
// exactly where drawing the text places them: the pixels are the same.
//
// The day numbers beside the days are put together from their digits'
// glyphs in a left-to-right layout (see NumeralGlyphs): shaping them was half
// the cost of a month step.
class ShapedTexts {
  public:
    struct Entry {
        QString text;
        int width = 0;
        int drawings = 0;
        // Kept from the second drawing on; positions relative to the start
        // of the baseline.
        bool glyphsKept = false;
        QList<QGlyphRun> glyphs;
        // Where the glyphs may put ink, relative to the start of the
        // baseline; valid with the glyphs.
        QRectF ink;
    };

    // Where the texts are drawn: the painter's font, its device's
    // resolution and the text direction. Cheap when nothing changed.
    void Follow(const QFont& font, int dpi, Qt::LayoutDirection direction);

    // `text` measured as Follow last said.
    Entry& Of(std::string_view text);

    // Lays the entry's text out once and keeps its glyphs.
    void KeepGlyphs(Entry& entry) const;

    int Ascent() const { return ascent_; }
    int Height() const { return height_; }

  private:
    // Enough for the texts of many months; bounded so that paging through
    // centuries cannot grow it without end.
    static constexpr std::size_t kMaxEntries = 4096;

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    // Fills a new entry from the numerals' glyphs when the text is made of
    // them only and the font places it exactly so; false otherwise.
    bool Compose(Entry& entry, std::string_view text);
    // One line of `text` laid out in the current font and direction.
    QList<QGlyphRun> LayOut(const QString& text, qreal* advance) const;

    bool valid_ = false;
    QFont font_;
    int dpi_ = 0;
    Qt::LayoutDirection direction_ = Qt::LeftToRight;
    QFontMetrics metrics_{QFont()};
    int ascent_ = 0;
    int height_ = 0;
    std::unordered_map<std::string, Entry, Hash, std::equal_to<>> entries_;
    NumeralGlyphs numerals_;
};

}  // namespace tessarine
