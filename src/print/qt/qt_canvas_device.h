// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <memory>
#include <string>
#include <utility>

#include "print/print_device.h"
#include "print/qt/box_batch.h"
#include "print/qt/held_texts.h"
#include "print/qt/print_faces.h"

class QPaintDevice;

namespace tessarine {

// Font, text and rectangle drawing shared by the printer and the PDF
// devices. The painter's origin is the physical corner of the sheet; canvas
// positions are shifted by the unprintable strips.
class QtCanvasDevice : public PrintDevice {
  public:
    // Devices of one job share their faces; a device alone has its own.
    explicit QtCanvasDevice(std::shared_ptr<PrintFaces> faces = std::make_shared<PrintFaces>())
        : faces_(std::move(faces)) {}

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
    // Boxes and texts are held back and drawn together (see BoxBatch and
    // HeldTexts). Subclasses flush before a sheet or the document ends, and
    // drop what is held when the document is abandoned.
    void FlushHeld();
    void DiscardHeld() noexcept {
        heldBoxes_.Clear();
        heldTexts_.Clear();
    }

  private:
    PrintFaces::Face& CurrentFace() const;
    void DrawAlone(QPainter& painter, const QRect& patch, const QString& text);

    PrintFont font_{"Arial", 10, kFontPlain};
    std::shared_ptr<PrintFaces> faces_;
    mutable PrintFaces::Face* face_ = nullptr;  // font_'s, found when first needed
    BoxBatch heldBoxes_;                        // all under heldTexts_
    HeldTexts heldTexts_;                       // all in font_
};

}  // namespace tessarine
