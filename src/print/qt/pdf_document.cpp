// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/pdf_document.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <string_view>

#include "platform/qt/app_translators.h"
#include "print/print_device_errors.h"
#include "print/qt/qt_canvas_device.h"

namespace tessarine {

namespace {

QPageLayout::Orientation ToQt(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

}  // namespace

// A sheet of the PDF: the whole page is printable, so it has no strips.
class PdfPageDevice : public QtCanvasDevice {
  public:
    explicit PdfPageDevice(PdfDocument& document)
        : QtCanvasDevice(document.faces_), document_(document) {}

    void SetOrientation(PageOrientation orientation) override {
        if (open_) {
            throw OrientationLockedError(QtTextTranslator());
        }
        orientation_ = orientation;
    }
    void BeginDocument() override {
        document_.StartPage(orientation_);
        open_ = true;
        page_ = 1;
    }
    void EndDocument() override {
        FlushHeld();
        open_ = false;
    }
    // The half-drawn page stays in the unfinished file, which is never
    // committed after a failure.
    void AbortDocument() noexcept override {
        DiscardHeld();
        open_ = false;
    }
    void NewPage() override {
        FlushHeld();
        document_.StartPage(orientation_);
        ++page_;
    }
    int PageNumber() const override { return page_; }

    int PixelsPerInchX() const override { return PdfDocument::kResolution; }
    int PixelsPerInchY() const override { return PdfDocument::kResolution; }
    DeviceSize PhysicalSize() const override {
        const QRect full = QPageLayout(document_.pageSize_, ToQt(orientation_), QMarginsF())
                               .fullRectPixels(PdfDocument::kResolution);
        return DeviceSize{full.width(), full.height()};
    }
    DevicePoint PrintableOffset() const override { return DevicePoint{0, 0}; }
    DeviceSize PrintableSize() const override { return PhysicalSize(); }

  protected:
    QPaintDevice* MeasuringDevice() const override { return &document_.Writer(); }
    QPainter* ActivePainter() override { return open_ ? document_.ActivePainter() : nullptr; }

  private:
    PdfDocument& document_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    bool open_ = false;
    int page_ = 0;
};

PdfDocument::PdfDocument(const QString& path, const QPageSize& pageSize)
    : path_(path), pageSize_(pageSize) {
    buffer_.open(QIODevice::WriteOnly);
    writer_ = std::make_unique<QPdfWriter>(&buffer_);
    writer_->setResolution(kResolution);
    writer_->setCreator(QStringLiteral("Tessarine"));
    writer_->setTitle(QStringLiteral("Tessarine calendar pages"));
    writer_->setPageLayout(QPageLayout(pageSize_, QPageLayout::Portrait, QMarginsF()));
}

PdfDocument::~PdfDocument() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

PrintDeviceFactory PdfDocument::Factory() {
    return
        [this]() -> std::unique_ptr<PrintDevice> { return std::make_unique<PdfPageDevice>(*this); };
}

void PdfDocument::StartPage(PageOrientation orientation) {
    // The writer takes a new layout for the page that follows.
    writer_->setPageLayout(QPageLayout(pageSize_, ToQt(orientation), QMarginsF()));
    if (pages_ == 0) {
        if (!painter_.begin(writer_.get())) {
            throw PrintError(
                QCoreApplication::translate("Errors", "Cannot start the PDF file \"%1\".")
                    .arg(path_)
                    .toStdString());
        }
    } else if (!writer_->newPage()) {
        throw PrintError(QCoreApplication::translate("Errors", "Cannot add a page to \"%1\".")
                             .arg(path_)
                             .toStdString());
    }
    ++pages_;
}

void PdfDocument::Commit() {
    if (pages_ == 0) {
        throw NoPagePrintedError(QtTextTranslator());
    }
    if (painter_.isActive() && !painter_.end()) {
        throw PrintError(QCoreApplication::translate("Errors", "Cannot finish the PDF file \"%1\".")
                             .arg(path_)
                             .toStdString());
    }
    writer_.reset();
    const QByteArray& content = buffer_.data();
    WritePrintedFile(
        path_.toStdString(),
        std::string_view(content.constData(), static_cast<std::size_t>(content.size())),
        QtTextTranslator());
}

}  // namespace tessarine
