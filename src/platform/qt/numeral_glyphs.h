// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace tessarine {

// Day numbers ("2025 084", "2460676") are new texts with every month shown or
// printed, and shaping each was much of the cost of a month. They are put
// together here from the glyphs of their digits and spaces instead, shaped
// once per font, as long as the font places every neighbouring pair of them
// exactly as its parts (no kerning, no ligature): each pair is checked once,
// the first time it is needed. The result is the glyph run that shaping the
// text gives, so the pixels are the same.
class NumeralGlyphs {
  public:
    // One line of `text` laid out left to right in the font at hand: its glyph
    // runs with positions from the baseline origin, and its advance.
    using LayOut = std::function<QList<QGlyphRun>(const QString& text, qreal* advance)>;

    // Forgets what was learned of a font; call when the font changes.
    void Reset();

    // The glyph run of `text` and its advance when the text is made of
    // digits and spaces only (two or more) and the font composes it exactly;
    // nothing otherwise. `layOut` shapes in the current font.
    std::optional<QGlyphRun> Compose(std::string_view text, const LayOut& layOut, qreal* advance);

  private:
    // '0' to '9', then the space.
    static constexpr int kCount = 11;
    static int IndexOf(char c);
    static QChar CharOf(int index);
    struct Numeral {
        bool shaped = false;
        bool single = false;  // one glyph of the main face
        quint32 glyph = 0;
        qreal advance = 0;
    };
    enum class PairFit : std::uint8_t { Unknown, Exact, Shaped };

    const Numeral& Glyph(int index, const LayOut& layOut);
    bool PairIsExact(int left, int right, const LayOut& layOut);

    QRawFont font_;
    std::array<Numeral, kCount> numerals_{};
    std::array<PairFit, kCount * kCount> pairs_{};
};

}  // namespace tessarine
