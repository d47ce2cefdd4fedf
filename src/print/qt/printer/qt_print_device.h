// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <memory>

#include "print/qt/qt_canvas_device.h"

namespace tessarine {

// The system's default printer. Construction fails with a PrintError when
// no default printer is set up.
class QtPrinterDevice : public QtCanvasDevice {
  public:
    explicit QtPrinterDevice(std::shared_ptr<PrintFaces> faces = std::make_shared<PrintFaces>());
    ~QtPrinterDevice() override;

    void SetOrientation(PageOrientation orientation) override;
    void BeginDocument() override;
    void EndDocument() override;
    void AbortDocument() noexcept override;
    void NewPage() override;
    int PageNumber() const override { return page_; }

    int PixelsPerInchX() const override;
    int PixelsPerInchY() const override;
    DeviceSize PhysicalSize() const override;
    DevicePoint PrintableOffset() const override;
    DeviceSize PrintableSize() const override;

  protected:
    QPaintDevice* MeasuringDevice() const override;
    QPainter* ActivePainter() override;

  private:
    struct Strips {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };
    Strips UnprintableStrips() const;

    mutable QPrinter printer_{QPrinter::HighResolution};
    QPainter painter_;
    int page_ = 0;
};

}  // namespace tessarine
