// End to end: the main window's Print button on the system's default
// printer, a cups-pdf queue (scripts/start-test-printer.sh sets one up), and
// the PDFs that queue writes, read back with pdftotext.

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "platform/qt/dialog_runner.h"
#include "platform/qt/font_setup.h"
#include "print/qt/print_sel_dialog.h"
#include "support/qt/cups_pdf_output.h"
#include "support/qt/pdf_text_helpers.h"
#include "support/recording_shell.h"

using namespace tessarine;

namespace {

class ChooseFormat : public DialogRunner {
  public:
    ChooseFormat(int format, int pages) : format_(format), pages_(pages) {}
    int Run(QDialog& dialog) override {
        auto& select = static_cast<TprintSelDialog&>(dialog);
        select.show();
        select.cbPageFormat->setCurrentIndex(format_);
        select.cbConsecutivePages->setCurrentIndex(pages_ - 1);
        select.btnOK->click();
        ++runs;
        return select.result();
    }
    int runs = 0;

  private:
    int format_;
    int pages_;
};

}  // namespace

class MainFormCupsPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        SetUpFontSubstitutes();
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull()) {
            QSKIP(
                "No default printer: as root, run scripts/start-test-printer.sh to make a "
                "cups-pdf queue the default printer.");
        }
        const QString device = testing::QueueDevice(printer.printerName());
        if (!device.contains(QStringLiteral("cups-pdf:"))) {
            QSKIP(qPrintable(QStringLiteral("The default printer \"%1\" is not a cups-pdf queue; "
                                            "this test prints only to cups-pdf.")
                                 .arg(printer.printerName())));
        }
        printerName_ = printer.printerName();
        QVERIFY(registryDir_.isValid());
        qputenv("TESSARINE_REGISTRY_DIR", registryDir_.path().toLocal8Bit());
    }

    void monthViewPagesReachTheQueue() {
        const QString folder = testing::CupsPdfFolder();
        const QStringList before = testing::PdfFiles(folder);

        ChooseFormat runner(0, 2);
        QStringList errors;
        RecordingShell shell;
        MainFormServices services;
        services.shell = &shell;
        services.dialogRunner = &runner;
        services.showError = [&errors](QWidget*, const std::string& message) {
            errors << QString::fromStdString(message);
        };
        TjulCalMainForm form(std::move(services));
        form.show();
        form.Calendar1()->calendar().SetSelectedDate(EncodeDateSerial(2031, 5, 10));
        QTest::mouseClick(form.findChild<QToolButton*>(QStringLiteral("btnPrint")), Qt::LeftButton);
        QCOMPARE(runner.runs, 1);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));

        // Each page is its own job; the queue converts them one after the
        // other.
        const QStringList titles{"May 2031", "June 2031"};
        QMap<QString, QString> found;  // title -> file
        QElapsedTimer waited;
        waited.start();
        while (found.size() < titles.size() && waited.elapsed() < 120000) {
            QTest::qWait(500);
            for (const QString& name : testing::PdfFiles(folder)) {
                if (before.contains(name) || found.values().contains(name)) {
                    continue;
                }
                const QString text = testing::ReadPdfText(QDir(folder).filePath(name));
                for (const QString& title : titles) {
                    if (text.contains(title) && !found.contains(title)) {
                        found.insert(title, name);
                        QVERIFY2(text.contains(QStringLiteral("Month View")), qPrintable(name));
                        QVERIFY2(text.contains(title == titles[0] ? QStringLiteral("2031 121")
                                                                  : QStringLiteral("2031 152")),
                                 qPrintable(name));
                    }
                }
            }
        }
        QVERIFY2(found.size() == titles.size(),
                 qPrintable(QStringLiteral("queue %1 wrote %2 of the 2 pages into %3 "
                                           "(is cupsd running? lpstat -o shows pending jobs)")
                                .arg(printerName_)
                                .arg(found.size())
                                .arg(folder)));
        for (const QString& name : found) {
            const QList<testing::PdfPage> pages =
                testing::ReadPdfWords(QDir(folder).filePath(name));
            QCOMPARE(pages.size(), 1);  // one sheet per print document
            QVERIFY(pages[0].height > pages[0].width);
            // TESSARINE_KEEP_PRINTED=1 keeps the pages for a look.
            if (qEnvironmentVariableIsEmpty("TESSARINE_KEEP_PRINTED")) {
                QFile::remove(QDir(folder).filePath(name));
            }
        }
    }

  private:
    QString printerName_;
    QTemporaryDir registryDir_;
};

QTEST_MAIN(MainFormCupsPrintTest)
#include "main_form_cups_print_test.moc"
