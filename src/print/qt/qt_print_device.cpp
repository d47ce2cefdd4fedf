#include "print/qt/qt_print_device.h"

#include <QFontMetrics>
#include <QPageLayout>
#include <QPen>
#include <QPrinterInfo>
#include <algorithm>

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

void QtCanvasDevice::SetFont(const PrintFont& font) {
    font_ = font;
    qfont_ = ToQFont(font);
    if (QPainter* painter = ActivePainter()) {
        painter->setFont(qfont_);
    }
}

DeviceTextMetrics QtCanvasDevice::TextMetrics() const {
    const QFontMetrics metrics(qfont_, MeasuringDevice());
    // Qt's leading may be negative for some faces; the printer's external
    // leading never is.
    return DeviceTextMetrics{metrics.height(), std::max(metrics.leading(), 0)};
}

DeviceSize QtCanvasDevice::TextExtent(const std::string& text) const {
    const QFontMetrics metrics(qfont_, MeasuringDevice());
    return DeviceSize{metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

QPainter& QtCanvasDevice::RequirePainter() {
    QPainter* painter = ActivePainter();
    if (painter == nullptr || !painter->isActive()) {
        throw PrintError("Nothing can be drawn: the print document is not open.");
    }
    return *painter;
}

void QtCanvasDevice::TextOutOpaque(int x, int y, const std::string& text) {
    QPainter& painter = RequirePainter();
    const DevicePoint origin = PrintableOffset();
    const QString qtext = QString::fromStdString(text);
    const QFontMetrics metrics(qfont_, MeasuringDevice());
    const int left = x + origin.x;
    const int top = y + origin.y;
    painter.setFont(qfont_);
    painter.fillRect(QRect(left, top, metrics.horizontalAdvance(qtext), metrics.height()),
                     Qt::white);
    painter.setPen(QPen(Qt::black));
    painter.drawText(QPoint(left, top + metrics.ascent()), qtext);
}

void QtCanvasDevice::Rectangle(int x1, int y1, int x2, int y2, int penWidth, std::uint8_t gray) {
    QPainter& painter = RequirePainter();
    const DevicePoint origin = PrintableOffset();
    QPen pen(Qt::black);
    pen.setWidth(std::max(penWidth, 1));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(QColor(gray, gray, gray));
    painter.drawRect(
        QRectF(QPointF(x1 + origin.x, y1 + origin.y), QPointF(x2 + origin.x, y2 + origin.y)));
    painter.setBrush(Qt::NoBrush);
}

QtPrinterDevice::QtPrinterDevice() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        throw PrintError(
            "No default printer is set up. Choose a default printer in the system's printer "
            "settings and print again.");
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
        throw PrintError("The page orientation cannot change while a document is printing.");
    }
    printer_.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                          : QPageLayout::Portrait);
}

void QtPrinterDevice::BeginDocument() {
    if (!painter_.begin(&printer_)) {
        throw PrintError(QStringLiteral("The printer \"%1\" could not start the document.")
                             .arg(printer_.printerName())
                             .toStdString());
    }
    page_ = 1;
}

void QtPrinterDevice::EndDocument() {
    const bool ended = painter_.end();
    if (!ended || printer_.printerState() == QPrinter::Error) {
        throw PrintError(QStringLiteral("The printer \"%1\" could not finish the document.")
                             .arg(printer_.printerName())
                             .toStdString());
    }
}

void QtPrinterDevice::AbortDocument() noexcept {
    if (painter_.isActive()) {
        printer_.abort();
        painter_.end();
    }
}

void QtPrinterDevice::NewPage() {
    if (!printer_.newPage()) {
        throw PrintError(QStringLiteral("The printer \"%1\" could not start a new sheet.")
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
    // margins on top of them.
    QPageLayout layout = printer_.pageLayout();
    layout.setMargins(layout.minimumMargins());
    const QMargins pixels = layout.marginsPixels(printer_.resolution());
    return Strips{pixels.left(), pixels.top(), pixels.right(), pixels.bottom()};
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

PrintDeviceFactory DefaultPrinterFactory() {
    return []() -> std::unique_ptr<PrintDevice> { return std::make_unique<QtPrinterDevice>(); };
}

}  // namespace tessarine
