#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

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
// The day numbers beside the days ("2025 084", "2460676") are new texts with
// every month shown, and shaping them was half the cost of a month step. In
// a left-to-right layout they are put together from the glyphs of their
// digits and spaces instead, shaped once per font, as long as the font
// places every neighbouring pair of them exactly as its parts (no kerning,
// no ligature): each pair is checked once, the first time it is needed.
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

    // The characters day numbers are made of: '0' to '9', then the space.
    static constexpr int kNumeralCount = 11;
    static int NumeralIndex(char c);
    struct Numeral {
        bool shaped = false;
        bool single = false;  // one glyph of the main face
        quint32 glyph = 0;
        qreal advance = 0;
    };
    enum class PairFit : std::uint8_t { Unknown, Exact, Shaped };

    // Fills a new entry from the numerals' glyphs when the text is made of
    // them only and the font places it exactly so; false otherwise.
    bool Compose(Entry& entry, std::string_view text);
    const Numeral& NumeralGlyph(int index);
    bool PairIsExact(int left, int right);
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
    QRawFont numeralFont_;
    std::array<Numeral, kNumeralCount> numerals_{};
    std::array<PairFit, kNumeralCount * kNumeralCount> pairs_{};
};

}  // namespace tessarine
