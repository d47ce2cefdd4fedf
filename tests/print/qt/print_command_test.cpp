// SPDX-License-Identifier: GPL-3.0-or-later
// The Print command from the main window's point of view: the dialog is
// scripted, the pages go to a recording printer, failures to an observed
// error display.

#include "print/qt/print_command.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "print/qt/default_printer.h"
#include "print/qt/printer/qt_print_device.h"
#include "support/recording_print_device.h"

using namespace tessarine;

namespace {

// Plays the user's part: picks a format and a page count and presses a
// button, without a modal loop.
class ScriptedRunner : public DialogRunner {
  public:
    explicit ScriptedRunner(std::function<void(TprintSelDialog&)> script)
        : script_(std::move(script)) {}
    int Run(QDialog& dialog) override {
        ++runs;
        dialog.show();
        script_(static_cast<TprintSelDialog&>(dialog));
        return dialog.result();
    }
    int runs = 0;

  private:
    std::function<void(TprintSelDialog&)> script_;
};

ScriptedRunner Choose(int format, int pages) {
    return ScriptedRunner([format, pages](TprintSelDialog& dialog) {
        dialog.cbPageFormat->setCurrentIndex(format);
        dialog.cbConsecutivePages->setCurrentIndex(pages - 1);
        dialog.btnOK->click();
    });
}

class CountingCursor : public BusyCursor {
  public:
    void Show() override {
        ++shown;
        ++depth;
    }
    void Restore() override { --depth; }
    int shown = 0;
    int depth = 0;
};

struct ErrorLog {
    QStringList messages;
    std::function<void(QWidget*, const std::string&)> Display() {
        return [this](QWidget*, const std::string& message) {
            messages << QString::fromStdString(message);
        };
    }
};

}  // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

  private slots:
    void cancelPrintsNothing() {
        RecordingPrinter printer;
        ErrorLog errors;
        ScriptedRunner cancel([](TprintSelDialog& dialog) {
            dialog.cbPageFormat->setCurrentIndex(1);
            dialog.btnCancel->click();
        });
        PrintCommandContext context;
        context.SelectedDate = EncodeDateSerial(2024, 1, 15);
        context.dialogRunner = &cancel;
        context.makeDevice = printer.Factory();
        context.showError = errors.Display();
        const PrintJobState job = RunPrintCommand(nullptr, context);
        QCOMPARE(cancel.runs, 1);
        QCOMPARE(job.PrintFormatIndex, -1);
        QCOMPARE(job.PrintPagesLeft, -1);
        QCOMPARE(job.PrintPageDate, EncodeDateSerial(2024, 1, 15));
        QCOMPARE(printer.Recording().devicesCreated, 0);
        QVERIFY(errors.messages.isEmpty());
    }

    void printRunsThePagesWithTheGridsSettings() {
        RecordingPrinter printer;
        ErrorLog errors;
        CountingCursor cursor;
        ScriptedRunner runner = Choose(1, 2);
        PrintCommandContext context;
        context.SelectedDate = EncodeDateSerial(1999, 12, 20);
        context.ShowJulianDayNumber = true;
        context.localeNames.longMonthNames[0] = "janvier";
        context.dialogRunner = &runner;
        context.makeDevice = printer.Factory();
        context.cursor = &cursor;
        context.showError = errors.Display();
        const PrintJobState job = RunPrintCommand(nullptr, context);

        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
        const PrintRecording& recording = printer.Recording();
        QCOMPARE(recording.DocumentsEnded(), 2);
        QVERIFY(recording.FindText("December 1999", 1).has_value());
        QVERIFY(recording.FindText("janvier 2000", 2).has_value());
        QVERIFY(recording.FindText("2451545", 2).has_value());  // 1 January 2000
        QCOMPARE(recording.Of(RecordedPrintCall::Kind::BeginDocument)[0].orientation,
                 PageOrientation::Landscape);
        QCOMPARE(cursor.shown, 2);
        QCOMPARE(cursor.depth, 0);
        QCOMPARE(job.PrintPagesLeft, -1);
    }

    void theApplicationCursorIsBusyOnlyWhileAPageIsBuilt() {
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        RecordingPrinter printer;
        const PrintDeviceFactory recording = printer.Factory();
        QList<Qt::CursorShape> seen;
        ScriptedRunner runner = Choose(0, 3);
        PrintCommandContext context;
        context.SelectedDate = EncodeDateSerial(2024, 3, 3);
        context.dialogRunner = &runner;
        context.makeDevice = [&]() {
            const QCursor* cursor = QGuiApplication::overrideCursor();
            seen << (cursor != nullptr ? cursor->shape() : Qt::ArrowCursor);
            return recording();
        };
        ErrorLog errors;
        context.showError = errors.Display();
        RunPrintCommand(nullptr, context);
        QCOMPARE(seen, (QList<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor, Qt::WaitCursor}));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void aPrinterFailureIsShownOnceAndEndsTheJob() {
        RecordingPrinterConfig config;
        config.failOnBeginOfDocument = 2;
        config.failureMessage = "The printer is out of paper.";
        RecordingPrinter printer(config);
        ErrorLog errors;
        ScriptedRunner runner = Choose(0, 5);
        PrintCommandContext context;
        context.SelectedDate = EncodeDateSerial(2024, 1, 15);
        context.dialogRunner = &runner;
        context.makeDevice = printer.Factory();
        context.showError = errors.Display();
        const PrintJobState job = RunPrintCommand(nullptr, context);
        QCOMPARE(errors.messages, QStringList{"The printer is out of paper."});
        QCOMPARE(printer.Recording().DocumentsEnded(), 1);
        QCOMPARE(printer.Recording().devicesCreated, 2);
        QCOMPARE(job.PrintPagesLeft, 3);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void theSystemsDefaultPrinterOrAClearError() {
        ErrorLog errors;
        int pagesStarted = 0;
        ScriptedRunner runner = Choose(0, 1);
        PrintCommandContext context;
        context.SelectedDate = EncodeDateSerial(2024, 1, 15);
        context.dialogRunner = &runner;
        context.showError = errors.Display();
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            // A real queue: measure it without printing anything.
            QtPrinterDevice device;
            QVERIFY(device.PixelsPerInchX() >= 72);
            const DeviceSize sheet = device.PhysicalSize();
            const DeviceSize printable = device.PrintableSize();
            const DevicePoint offset = device.PrintableOffset();
            QVERIFY(printable.width > sheet.width / 2 && printable.width <= sheet.width);
            QVERIFY(offset.x >= 0 && offset.x < device.PixelsPerInchX());
            device.SetOrientation(PageOrientation::Landscape);
            QCOMPARE(device.PhysicalSize().width, sheet.height);
            return;
        }
        context.makeDevice = [&pagesStarted]() {
            ++pagesStarted;
            return DefaultPrinterFactory()();
        };
        RunPrintCommand(nullptr, context);
        QCOMPARE(pagesStarted, 1);
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(!errors.messages[0].isEmpty());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // Printing's code is opened when the first page is made; without it the
    // job ends with one message saying so.
    void aMissingPrinterModuleIsAClearError() {
        QTemporaryDir dir;
        qputenv("TESSARINE_PRINTER_MODULE", dir.filePath(QStringLiteral("gone.so")).toUtf8());
        ErrorLog errors;
        ScriptedRunner runner = Choose(0, 1);
        PrintCommandContext context;
        context.SelectedDate = EncodeDateSerial(2024, 1, 15);
        context.dialogRunner = &runner;
        context.showError = errors.Display();
        context.makeDevice = DefaultPrinterFactory();
        RunPrintCommand(nullptr, context);
        qunsetenv("TESSARINE_PRINTER_MODULE");
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY2(errors.messages[0].contains(QStringLiteral("module")),
                 qPrintable(errors.messages[0]));
    }

    void theStandardErrorBoxShowsTheMessage() {
        QWidget owner;
        owner.setWindowTitle(QStringLiteral("Tessarine - Freeware Edition"));
        RecordingPrinterConfig config;
        config.failOnBeginOfDocument = 1;
        config.failureMessage = "Printer jammed.";
        RecordingPrinter printer(config);
        ScriptedRunner runner = Choose(0, 1);
        PrintCommandContext context;
        context.dialogRunner = &runner;
        context.SelectedDate = EncodeDateSerial(2024, 1, 15);
        context.makeDevice = printer.Factory();

        QString caption, text;
        int boxes = 0;
        std::function<void()> closeBox = [&]() {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                QTimer::singleShot(20, closeBox);
                return;
            }
            ++boxes;
            caption = box->windowTitle();
            text = box->text();
            QCOMPARE(box->icon(), QMessageBox::Critical);
            box->accept();
        };
        QTimer::singleShot(20, closeBox);
        RunPrintCommand(&owner, context);
        QCOMPARE(boxes, 1);
        QCOMPARE(caption, QStringLiteral("Tessarine - Freeware Edition"));
        QCOMPARE(text, QStringLiteral("Printer jammed."));
    }
};

QTEST_MAIN(PrintCommandTest)
#include "print_command_test.moc"
