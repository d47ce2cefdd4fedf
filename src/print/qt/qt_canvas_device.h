#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <optional>
#include <string>
#include <unordered_map>

#include "print/print_device.h"
#include "print/qt/held_texts.h"

class QPaintDevice;

namespace tessarine {

// QFont for a font as the layouts name it: the family asked for by name with
// a sans-serif fallback, the size in points (a size of 0 means a default
// size), bold, italic, underline and strike-out from the style byte.
QFont ToQFont(const PrintFont& font);

// Font, text and rectangle drawing shared by the printer and the PDF
// devices. The painter's origin is the physical corner of the sheet; canvas
// positions are shifted by the unprintable strips.
class QtCanvasDevice : public PrintDevice {
  public:
    void SetFont(const PrintFont& font) override;
    PrintFont Font() const override { return font_; }
    DeviceTextMetrics TextMetrics() const override;
    DeviceSize TextExtent(const std::string& text) const override;
    void TextOutOpaque(int x, int y, const std::string& text) override;
    void Rectangle(int x1, int y1, int x2, int y2, int penWidth, std::uint8_t gray) override;

  protected:
    // The device fonts are measured on, and the painter drawing on it while a
    // document is open (null otherwise).
    virtual QPaintDevice* MeasuringDevice() const = 0;
    virtual QPainter* ActivePainter() = 0;
    QPainter& RequirePainter();
    // Texts are held back and drawn together (see HeldTexts). Subclasses
    // flush before a sheet or the document ends, and drop what is held when
    // the document is abandoned.
    void FlushTexts();
    void DiscardTexts() noexcept { heldTexts_.Clear(); }

  private:
    struct ShapedText {
        int advance = 0;
        HeldTexts::Shape shape;
    };

    // Measured and shaped once per font and text: a year page draws hundreds
    // of texts, most of them day numbers it has drawn before in that font.
    const QFontMetrics& Metrics() const;
    const ShapedText& Shaped(const std::string& text) const;
    void DrawAlone(QPainter& painter, const QRect& patch, const QString& text);

    PrintFont font_{"Arial", 10, kFontPlain};
    QFont qfont_ = ToQFont(font_);
    mutable std::optional<QFontMetrics> metrics_;
    mutable std::unordered_map<std::string, ShapedText> shaped_;  // by font and text
    HeldTexts heldTexts_;                                         // all in qfont_
};

}  // namespace tessarine
