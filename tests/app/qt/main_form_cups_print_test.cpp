// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: the main window's Print button on the system's default
// printer, a cups-pdf queue (scripts/start-test-printer.sh sets one up), and
// the PDFs that queue writes, read back with pdftotext. Without that queue
// the suite fails: it exists to print on a real one.

#include <pwd.h>
#include <unistd.h>

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
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

// The main window's services for a print: the format chosen, the shell
// recorded, and every error message collected.
MainFormServices PrintingServices(ChooseFormat& runner, RecordingShell& shell,
                                  QStringList& errors) {
    MainFormServices services;
    services.shell = &shell;
    services.dialogRunner = &runner;
    services.showError = [&errors](QWidget*, const std::string& message) {
        errors << QString::fromStdString(message);
    };
    return services;
}

}  // namespace

class MainFormCupsPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        SetUpFontSubstitutes();
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull()) {
            QFAIL(
                "No default printer: as root, run scripts/start-test-printer.sh to make a "
                "cups-pdf queue the default printer.");
        }
        const QString device = testing::QueueDevice(printer.printerName());
        if (!device.contains(QStringLiteral("cups-pdf:"))) {
            QFAIL(qPrintable(QStringLiteral("The default printer \"%1\" is not a cups-pdf queue; "
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
        TjulCalMainForm form(PrintingServices(runner, shell, errors));
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

    void queueThatTakesNoJobIsNamedWithItsCause_data() {
        QTest::addColumn<QStringList>("refuse");
        QTest::addColumn<QStringList>("restore");
        QTest::addColumn<QStringList>("expected");  // parts of the one error message
        const QString& q = printerName_;
        const QString user = QString::fromLocal8Bit(getpwuid(geteuid())->pw_name);
        QTest::newRow("rejecting jobs")
            << QStringList{"cupsreject", "-r", "Tray taken out for a test", q}
            << QStringList{"cupsaccept", q}
            << QStringList{"The printer \"" + q + "\" is not accepting jobs",
                           "reports: Tray taken out for a test."};
        QTest::newRow("stopped") << QStringList{"cupsdisable", "-r", "Cover opened for a test", q}
                                 << QStringList{"cupsenable", q}
                                 << QStringList{"The printer \"" + q + "\" is stopped",
                                                "reports: Cover opened for a test."};
        // The queue looks ready; only the hand-over of the job is refused.
        QTest::newRow("user not allowed")
            << QStringList{"lpadmin", "-p", q, "-u", "deny:" + user}
            << QStringList{"lpadmin", "-p", q, "-u", "allow:all"}
            << QStringList{"The printer \"" + q + "\" refused the job",
                           "The printing service reports: "};
    }

    void queueThatTakesNoJobIsNamedWithItsCause() {
        QFETCH(QStringList, refuse);
        QFETCH(QStringList, restore);
        QFETCH(QStringList, expected);
        const QStringList jobsBefore = PendingJobs();
        const QueueRestorer restorer(restore);
        QCOMPARE(QProcess::execute(refuse.first(), refuse.mid(1)), 0);

        ChooseFormat runner(0, 3);
        QStringList errors;
        RecordingShell shell;
        TjulCalMainForm form(PrintingServices(runner, shell, errors));
        form.show();
        // File > Print..., then the dialog's Print button.
        QAction* print = form.findChild<QAction*>(QStringLiteral("Print1"));
        QVERIFY(print != nullptr);
        print->trigger();
        QCOMPARE(runner.runs, 1);
        // The job ends at its first page.
        QCOMPARE(errors.size(), 1);
        for (const QString& part : expected) {
            QVERIFY2(errors[0].contains(part), qPrintable(errors[0]));
        }
        // A stopped queue would have kept the page for later.
        QCOMPARE(PendingJobs(), jobsBefore);
    }

  private:
    // Puts the queue back however the test ends.
    class QueueRestorer {
      public:
        explicit QueueRestorer(QStringList command) : command_(std::move(command)) {}
        ~QueueRestorer() {
            if (QProcess::execute(command_.first(), command_.mid(1)) != 0) {
                qWarning("Could not put the queue back: %s", qPrintable(command_.join(' ')));
            }
        }

      private:
        QStringList command_;
    };

    QStringList PendingJobs() const {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), printerName_});
        lpstat.waitForFinished(30000);
        return QString::fromLocal8Bit(lpstat.readAllStandardOutput())
            .split('\n', Qt::SkipEmptyParts);
    }

    QString printerName_;
    QTemporaryDir registryDir_;
};

QTEST_MAIN(MainFormCupsPrintTest)
#include "main_form_cups_print_test.moc"
