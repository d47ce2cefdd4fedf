// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/printer/qt_print_device.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPrinterInfo>

#include "platform/qt/app_translators.h"
#include "print/print_device_errors.h"
#include "print/qt/printer_facts.h"

namespace tessarine {

QtPrinterDevice::QtPrinterDevice(std::shared_ptr<PrintFaces> faces)
    : QtCanvasDevice(std::move(faces)) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const std::string problem = PrinterProblemMessage(QueryPrinterFacts(), QtTextTranslator());
        // The system says there is a printer after all, but the toolkit found
        // none: still no default as far as printing here goes.
        throw PrintError(problem.empty() ? NoDefaultPrinterMessage(QtTextTranslator()) : problem);
    }
    printer_.setPrinterName(info.printerName());
    // QPrinter does not take the queue's own paper size by itself.
    const QPageSize pageSize = info.defaultPageSize();
    if (pageSize.isValid()) {
        printer_.setPageSize(pageSize);
    }
    printer_.setFullPage(true);
    printer_.setDocName(QStringLiteral("Tessarine"));
    printer_.setCreator(QStringLiteral("Tessarine"));
}

QtPrinterDevice::~QtPrinterDevice() {
    AbortDocument();
}

void QtPrinterDevice::SetOrientation(PageOrientation orientation) {
    if (painter_.isActive()) {
        throw OrientationLockedError(QtTextTranslator());
    }
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

void QtPrinterDevice::BeginDocument() {
    // Asked before the document opens: once open, the toolkit hands it over
    // even when it is abandoned, and a stopped queue would keep it.
    const std::string notTaken = QueueProblemMessage(
        QueryQueueFacts(printer_.printerName().toStdString()), QtTextTranslator());
    if (!notTaken.empty()) {
        throw PrintError(notTaken);
    }
    if (!painter_.begin(&printer_)) {
        throw PrintError(QCoreApplication::translate(
                             "Errors", "The printer \"%1\" could not start the document.")
                             .arg(printer_.printerName())
                             .toStdString());
    }
    page_ = 1;
}

void QtPrinterDevice::EndDocument() {
    FlushHeld();
    // The toolkit hands the job over and drops the printing system's answer;
    // it is still this thread's last one, as nothing asks the system between
    // the hand-over and here.
    const bool ended = painter_.end();
    const std::string refused = SubmissionProblemMessage(printer_.printerName().toStdString(),
                                                         LastSubmissionFacts(), QtTextTranslator());
    if (!refused.empty()) {
        throw PrintError(refused);
    }
    if (!ended || printer_.printerState() == QPrinter::Error) {
        throw PrintError(QCoreApplication::translate(
                             "Errors", "The printer \"%1\" could not finish the document.")
                             .arg(printer_.printerName())
                             .toStdString());
    }
}

void QtPrinterDevice::AbortDocument() noexcept {
    DiscardHeld();
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

void QtPrinterDevice::NewPage() {
    FlushHeld();
    if (!printer_.newPage()) {
        throw PrintError(
            QCoreApplication::translate("Errors", "The printer \"%1\" could not start a new sheet.")
                .arg(printer_.printerName())
                .toStdString());
    }
    ++page_;
}

int QtPrinterDevice::PixelsPerInchX() const {
    return printer_.logicalDpiX();
}

int QtPrinterDevice::PixelsPerInchY() const {
    return printer_.logicalDpiY();
}

DeviceSize QtPrinterDevice::PhysicalSize() const {
    const QRect full = printer_.pageLayout().fullRectPixels(printer_.resolution());
    return DeviceSize{full.width(), full.height()};
}

QtPrinterDevice::Strips QtPrinterDevice::UnprintableStrips() const {
    // The queue's hardware margins; pageRect would add Qt's own default
    // margins on top of them. Qt reports them for the sheet as it lies in the
    // printer, whatever the orientation.
    QPageLayout layout = printer_.pageLayout();
    layout.setMargins(layout.minimumMargins());
    const QMargins sheet = layout.marginsPixels(printer_.resolution());
    if (layout.orientation() == QPageLayout::Portrait) {
        return Strips{sheet.left(), sheet.top(), sheet.right(), sheet.bottom()};
    }
    // CUPS prints a landscape page turned a quarter counter-clockwise on the
    // sheet: the page's top runs along the sheet's left edge, its left along
    // the sheet's bottom.
    return Strips{sheet.bottom(), sheet.left(), sheet.top(), sheet.right()};
}

DevicePoint QtPrinterDevice::PrintableOffset() const {
    const Strips strips = UnprintableStrips();
    return DevicePoint{strips.left, strips.top};
}

DeviceSize QtPrinterDevice::PrintableSize() const {
    const Strips strips = UnprintableStrips();
    const DeviceSize sheet = PhysicalSize();
    return DeviceSize{sheet.width - strips.left - strips.right,
                      sheet.height - strips.top - strips.bottom};
}

QPaintDevice* QtPrinterDevice::MeasuringDevice() const {
    return &printer_;
}

QPainter* QtPrinterDevice::ActivePainter() {
    return painter_.isActive() ? &painter_ : nullptr;
}

}  // namespace tessarine
