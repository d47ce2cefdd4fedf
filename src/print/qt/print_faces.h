// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QPaintDevice>
#include <cstddef>
#include <string>
#include <unordered_map>

#include "platform/qt/numeral_glyphs.h"
#include "print/print_device.h"

namespace tessarine {

// QFont for a font as the layouts name it: the family asked for by name with
// a sans-serif fallback, the size in points (a size of 0 means a default
// size), bold, italic, underline and strike-out from the style byte.
QFont ToQFont(const PrintFont& font);

// The faces a print job draws in, each built once per resolution, with every
// text measured and shaped once in it. Each printed page is a device of its
// own, and a job switches between a handful of faces dozens of times a page
// and draws the same day numbers and names page after page; building fonts,
// metrics and text layouts anew each time was most of the cost of a page.
class PrintFaces {
  public:
    struct ShapedText {
        int advance = 0;
        // Glyph runs with positions from the baseline's left end, and where
        // their ink may fall, from the same origin.
        QList<QGlyphRun> shape;
        QRectF ink;
    };

    class Face {
      public:
        Face(const PrintFont& font, const QPaintDevice& device);

        const QFont& Font() const { return font_; }
        int Height() const { return height_; }
        int Ascent() const { return ascent_; }
        int Leading() const { return leading_; }
        // `device` has the resolution the face was built for.
        const ShapedText& Shaped(const std::string& text, const QPaintDevice& device);

      private:
        QList<QGlyphRun> LayOut(const QString& text, const QPaintDevice& device,
                                qreal* advance) const;

        QFont font_;
        int height_ = 0;
        int ascent_ = 0;
        int leading_ = 0;
        std::unordered_map<std::string, ShapedText> shaped_;
        NumeralGlyphs numerals_;  // day numbers put together from their digits
    };

    // The face of `font` at `device`'s resolution.
    Face& Of(const PrintFont& font, const QPaintDevice& device);

  private:
    struct Key {
        PrintFont font;
        int dpi = 0;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    std::unordered_map<Key, Face, KeyHash> faces_;
};

}  // namespace tessarine
