#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
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

    // One face per distinct font the layouts ask for: its QFont and metrics
    // are built once, and each text is measured and shaped once in it. A
    // page switches fonts dozens of times between a handful of faces, and a
    // year page draws hundreds of texts it has drawn before.
    struct Face {
        Face(const PrintFont& font, const QPaintDevice* device);
        QFont font;
        QFontMetrics metrics;
        std::unordered_map<std::string, ShapedText> shaped;  // by text
    };
    struct FontHash {
        std::size_t operator()(const PrintFont& font) const;
    };

    Face& CurrentFace() const;
    const ShapedText& Shaped(const std::string& text) const;
    void DrawAlone(QPainter& painter, const QRect& patch, const QString& text);

    PrintFont font_{"Arial", 10, kFontPlain};
    mutable Face* face_ = nullptr;  // font_'s face, found when first needed
    mutable std::unordered_map<PrintFont, Face, FontHash> faces_;
    HeldTexts heldTexts_;  // all in font_
};

}  // namespace tessarine
