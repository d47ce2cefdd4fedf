// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/print_faces.h"

#include <QFontMetrics>
#include <algorithm>
#include <functional>

#include "platform/qt/line_glyphs.h"

namespace tessarine {

namespace {

constexpr int kDefaultPoints = 10;

}  // namespace

QFont ToQFont(const PrintFont& font) {
    QFont qfont(font.name.empty() ? QStringLiteral("Arial") : QString::fromStdString(font.name));
    qfont.setStyleHint(QFont::SansSerif);
    // Unhinted outlines measure the same on every device, so a PDF page and
    // a printed one match.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    qfont.setPointSizeF(font.points > 0 ? font.points : kDefaultPoints);
    qfont.setBold((font.style & kFontBold) != 0);
    qfont.setItalic((font.style & kFontItalic) != 0);
    qfont.setUnderline((font.style & kFontUnderline) != 0);
    qfont.setStrikeOut((font.style & kFontStrikeOut) != 0);
    return qfont;
}

PrintFaces::Face::Face(const PrintFont& font, const QPaintDevice& device) : font_(ToQFont(font)) {
    const QFontMetrics metrics(font_, &device);
    height_ = metrics.height();
    ascent_ = metrics.ascent();
    // Qt's leading may be negative for some faces; the printer's external
    // leading never is.
    leading_ = std::max(metrics.leading(), 0);
}

QList<QGlyphRun> PrintFaces::Face::LayOut(const QString& text, const QPaintDevice& device,
                                          qreal* advance) const {
    return LineGlyphs(text, font_, &device, Qt::LayoutDirectionAuto, advance);
}

const PrintFaces::ShapedText& PrintFaces::Face::Shaped(const std::string& text,
                                                       const QPaintDevice& device) {
    const auto [entry, added] = shaped_.try_emplace(text);
    if (!added) return entry->second;
    ShapedText& shaped = entry->second;
    const NumeralGlyphs::LayOut layOut = [this, &device](const QString& part, qreal* advance) {
        return LayOut(part, device, advance);
    };
    qreal advance = 0;
    if (std::optional<QGlyphRun> run = numerals_.Compose(text, layOut, &advance)) {
        shaped.shape = {*run};
    } else {
        shaped.shape = LayOut(QString::fromStdString(text), device, &advance);
    }
    shaped.advance = qRound(advance);
    for (const QGlyphRun& run : shaped.shape) shaped.ink |= run.boundingRect();
    return shaped;
}

std::size_t PrintFaces::KeyHash::operator()(const Key& key) const {
    const std::size_t rest = static_cast<std::size_t>(key.font.points) << 8 | key.font.style;
    return std::hash<std::string>{}(key.font.name) ^
           (rest ^ static_cast<std::size_t>(key.dpi) << 32) * 0x9E3779B97F4A7C15u;
}

PrintFaces::Face& PrintFaces::Of(const PrintFont& font, const QPaintDevice& device) {
    // Fonts are measured and shaped by their device's vertical resolution
    // only.
    return faces_.try_emplace(Key{font, device.logicalDpiY()}, font, device).first->second;
}

}  // namespace tessarine
