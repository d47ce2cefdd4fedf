// SPDX-License-Identifier: GPL-3.0-or-later
// End to end on the "PDF-Strip" queue (scripts/start-test-printer.sh): a
// cups-pdf queue whose portrait A4 sheet has a 100 pt unprintable strip on
// its left edge only. CUPS prints a landscape page turned a quarter
// counter-clockwise, so on a wide page of each layout family the strip belongs
// to the page's top edge: a word at (x, y) of the page lands at (y, 842 - x)
// of the sheet.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QPrinterInfo>
#include <QtTest>

#include "platform/qt/font_setup.h"
#include "print/print_job.h"
#include "print/qt/default_printer.h"
#include "print/qt/printer/qt_print_device.h"
#include "support/qt/cups_pdf_output.h"
#include "support/qt/pdf_text_helpers.h"

using namespace tessarine;
using testing::PdfPage;
using testing::PdfWord;

class LandscapeStripPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        if (!testing::QueueDevice(QStringLiteral("PDF-Strip")).contains("cups-pdf:")) {
            QFAIL("No PDF-Strip queue: as root, run scripts/start-test-printer.sh.");
        }
        qputenv("PRINTER", "PDF-Strip");
        SetUpFontSubstitutes();
    }

    void theStripLandsOnTheTopOfEveryWidePage() {
        // Month View, a planner and a year layout, by a word of their footer.
        const QMap<QString, int> formats{{"Month", 1}, {"Weekly", 5}, {"Yearly", 11}};
        const QString folder = testing::CupsPdfFolder();
        const QStringList before = testing::PdfFiles(folder);
        PrintEnvironment environment;
        environment.makeDevice = DefaultPrinterFactory();
        for (const int format : formats) {
            PrintJobState job{EncodeDateSerial(2037, 8, 10), format, 0};
            PrintPages(job, environment);
        }

        QMap<QString, PdfPage> pages;  // by footer word
        QStringList files;
        QElapsedTimer waited;
        waited.start();
        while (pages.size() < formats.size() && waited.elapsed() < 120000) {
            QTest::qWait(500);
            for (const QString& name : testing::PdfFiles(folder)) {
                const QList<PdfPage> read =
                    before.contains(name) || files.contains(name)
                        ? QList<PdfPage>{}
                        : testing::ReadPdfWords(QDir(folder).filePath(name));
                if (read.size() != 1 || read[0].All(QStringLiteral("2037")).isEmpty()) {
                    continue;  // not ours, or still being written
                }
                for (const QString& marker : formats.keys()) {
                    if (!read[0].All(marker).isEmpty()) {
                        pages.insert(marker, read[0]);
                        files << name;
                    }
                }
            }
        }
        QCOMPARE(pages.keys(), formats.keys());

        for (const QString& marker : formats.keys()) {
            const PdfPage& page = pages[marker];
            QCOMPARE(page.width, 595.0);  // the sheet stays portrait
            double top = page.width;
            for (const PdfWord& word : page.words) {
                top = qMin(top, word.xMin);
            }
            // Nothing in the strip, and the title just below it: the top
            // margin rose to the strip; the left one stays 0.75 inch.
            QVERIFY2(top >= 99.5 && top <= 108,
                     qPrintable(marker + " top " + QString::number(top)));
            const double left = 842 - page.All(marker).first().yMax;
            QVERIFY2(qAbs(left - 54) <= 1, qPrintable(marker + " left " + QString::number(left)));
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
