// End to end on the "PDF-Strip" queue (scripts/start-test-printer.sh sets it
// up): a cups-pdf queue whose portrait A4 sheet has a 100 pt unprintable
// strip on its left edge and none elsewhere. One wide page of each layout
// goes through the system's printing path; CUPS prints a landscape page
// turned a quarter counter-clockwise, so the strip belongs on the page's top
// edge.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPrinterInfo>
#include <QtTest>

#include "platform/qt/font_setup.h"
#include "print/print_job.h"
#include "print/qt/qt_print_device.h"
#include "support/qt/cups_pdf_output.h"
#include "support/qt/pdf_text_helpers.h"

using namespace tessarine;
using testing::PdfPage;
using testing::PdfWord;

namespace {

const QString kQueue = QStringLiteral("PDF-Strip");
constexpr double kSheetHeight = 842;  // A4, points
constexpr double kStrip = 100;
constexpr double kMargin = 54;  // 0.75 inch

// The first word of each wide format's footer label, found on no other page.
const QList<QPair<int, QString>> kWideFormats{{1, "Month"}, {3, "Biweekly"}, {5, "Weekly"},
                                              {7, "Two"},   {9, "Year"},     {11, "Yearly"}};

// A word of the output sheet in the coordinates of the landscape page printed
// on it: the page's (x, y) lands at the sheet's (y, height - x).
struct PageBox {
    double left;
    double top;
};

PageBox OnLandscapePage(const PdfWord& word) {
    return PageBox{kSheetHeight - word.yMax, word.xMin};
}

}  // namespace

class LandscapeStripPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        if (!testing::QueueDevice(kQueue).contains(QStringLiteral("cups-pdf:"))) {
            QSKIP(
                "No PDF-Strip queue: as root, run scripts/start-test-printer.sh to set up the "
                "cups-pdf queues.");
        }
        qputenv("PRINTER", kQueue.toLocal8Bit());
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), kQueue);
        SetUpFontSubstitutes();
    }

    void theStripLandsOnTheTopOfEveryWidePage() {
        const QString folder = testing::CupsPdfFolder();
        const QStringList before = testing::PdfFiles(folder);
        PrintEnvironment environment;
        environment.makeDevice = DefaultPrinterFactory();
        for (const auto& [format, marker] : kWideFormats) {
            PrintJobState job{EncodeDateSerial(2037, 8, 10), format, 0};
            PrintPages(job, environment);
        }

        QMap<QString, QString> files;  // footer word -> file
        QMap<QString, PdfPage> pages;
        QElapsedTimer waited;
        waited.start();
        while (files.size() < kWideFormats.size() && waited.elapsed() < 120000) {
            QTest::qWait(500);
            for (const QString& name : testing::PdfFiles(folder)) {
                if (before.contains(name) || files.values().contains(name)) {
                    continue;
                }
                const QList<PdfPage> read = testing::ReadPdfWords(QDir(folder).filePath(name));
                if (read.size() != 1 || read[0].All(QStringLiteral("2037")).isEmpty()) {
                    continue;  // not ours, or still being written
                }
                for (const auto& [format, marker] : kWideFormats) {
                    if (!files.contains(marker) && !read[0].All(marker).isEmpty()) {
                        files.insert(marker, name);
                        pages.insert(marker, read[0]);
                    }
                }
            }
        }
        QVERIFY2(files.size() == kWideFormats.size(),
                 qPrintable(
                     QStringLiteral("%1 of 6 pages arrived in %2").arg(files.size()).arg(folder)));

        for (const auto& [format, marker] : kWideFormats) {
            const PdfPage& page = pages[marker];
            QCOMPARE(page.width, 595.0);  // the sheet stays portrait
            double top = kSheetHeight;
            for (const PdfWord& word : page.words) {
                top = qMin(top, OnLandscapePage(word).top);
            }
            // Nothing in the strip, and the title just below it: the top
            // margin rose to the strip.
            QVERIFY2(top >= kStrip - 0.5 && top <= kStrip + 8,
                     qPrintable(QStringLiteral("%1: topmost text at %2 pt").arg(marker).arg(top)));
            // The left edge has no strip, so the left margin stays 0.75 inch.
            const double left = OnLandscapePage(page.All(marker).first()).left;
            QVERIFY2(qAbs(left - kMargin) <= 1.0,
                     qPrintable(QStringLiteral("%1: footer at %2 pt").arg(marker).arg(left)));
        }
        if (qEnvironmentVariableIsEmpty("TESSARINE_KEEP_PRINTED")) {
            for (const QString& name : files) {
                QFile::remove(QDir(folder).filePath(name));
            }
        }
    }
};

QTEST_MAIN(LandscapeStripPrintTest)
#include "landscape_strip_print_test.moc"
