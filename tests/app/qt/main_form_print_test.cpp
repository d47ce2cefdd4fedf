// SPDX-License-Identifier: GPL-3.0-or-later
// The Print command as the user starts it from the main window: the grid's
// date, display mode and shown calendars reach the pages, failures reach the window's error
// display once, and the window goes on.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/calendar_module.h"
#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "dialogs/calendar_sources.h"
#include "platform/qt/font_setup.h"
#include "platform/reg_hive_store.h"
#include "print/qt/print_sel_dialog.h"
#include "support/qt/modal_dialog_driver.h"
#include "support/qt/scripted_dialog_runner.h"
#include "support/recording_print_device.h"
#include "support/recording_shell.h"

using namespace tessarine;

namespace {

std::string MonthTitle(int year, int month) {
    return (QLocale::system().standaloneMonthName(month, QLocale::LongFormat) + QLatin1Char(' ') +
            QString::number(year))
        .toStdString();
}

ScriptedDialogRunner::Script Choose(int format, int pages) {
    return [format, pages](QDialog& dialog) {
        auto& select = static_cast<TprintSelDialog&>(dialog);
        select.cbPageFormat->setCurrentIndex(format);
        select.cbConsecutivePages->setCurrentIndex(pages - 1);
        QTest::mouseClick(select.btnOK, Qt::LeftButton);
    };
}

struct ShownError {
    QWidget* owner = nullptr;
    std::string message;
};

// One main window printing to `printer`, or to the system's default printer
// when there is none; with `scripted` the print dialog plays queued scripts.
struct Window {
    QTemporaryDir registryDir;  // settings chosen in one test stay out of the next
    RecordingShell shell;
    ScriptedDialogRunner runner;
    std::vector<ShownError> errors;
    bool calendarsLoaded = false;
    std::unique_ptr<TjulCalMainForm> form;

    // `calendar`: an iCalendar file the user shows, listed before the
    // window starts.
    explicit Window(RecordingPrinter* printer, bool scripted = true,
                    const std::string& calendar = {}) {
        qputenv("TESSARINE_REGISTRY_DIR", registryDir.path().toLocal8Bit());
        if (!calendar.empty()) {
            RegHiveStore store(ResolveHiveLocations());
            CalendarSources sources;
            sources.Add(calendar);
            sources.Write(store);
        }
        MainFormServices services;
        services.shell = &shell;
        services.showError = [this](QWidget* owner, const std::string& message) {
            errors.push_back({owner, message});
        };
        services.dialogRunner = scripted ? &runner : nullptr;
        if (printer != nullptr) services.printDevice = printer->Factory();
        // The calendars module's own service, telling this test when it has
        // read the calendars.
        services.makeCalendars =
            [this, make = ModuleCalendarServices()](CalendarService::Listener listener) mutable {
                listener.loaded = [this, shown = std::move(listener.loaded)] {
                    calendarsLoaded = true;
                    shown();
                };
                return make(std::move(listener));
            };
        form = std::make_unique<TjulCalMainForm>(std::move(services));
        form->Timer1Timer();  // as 1.5 s after start: the splash has gone
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    TJulianCalendar& Grid() const { return form->Calendar1()->calendar(); }
    QToolButton* Button(const char* name) const {
        return form->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    QAction* Item(const char* name) const {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }
    QString Caption() const {
        return form->findChild<QLabel*>(QStringLiteral("lblDateCaption"))->text();
    }
};

// Points the default printer at a queue that does not exist, and puts the
// previous setting back afterwards.
class NoDefaultPrinter {
  public:
    NoDefaultPrinter() : had_(qEnvironmentVariableIsSet("PRINTER")), previous_(qgetenv("PRINTER")) {
        qputenv("PRINTER", "NoSuchPrinter");
    }
    ~NoDefaultPrinter() {
        if (had_) {
            qputenv("PRINTER", previous_);
        } else {
            qunsetenv("PRINTER");
        }
    }
    NoDefaultPrinter(const NoDefaultPrinter&) = delete;
    NoDefaultPrinter& operator=(const NoDefaultPrinter&) = delete;

  private:
    bool had_;
    QByteArray previous_;
};

}  // namespace

class MainFormPrintTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { SetUpFontSubstitutes(); }

    void printsFromTheGridsDateAndDayNumbers_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("Print button") << false;
        QTest::newRow("File menu") << true;
    }
    void printsFromTheGridsDateAndDayNumbers() {
        QFETCH(bool, fromMenu);
        RecordingPrinter printer;
        Window window(&printer);
        window.Grid().SetSelectedDate(EncodeDateSerial(2024, 2, 9));
        window.Item("ShowJulianDayNumbers1")->trigger();
        window.runner.Queue(Choose(0, 1));

        if (fromMenu) {
            window.Item("Print1")->trigger();
        } else {
            QTest::mouseClick(window.Button("btnPrint"), Qt::LeftButton);
        }

        QCOMPARE(window.runner.titles,
                 std::vector<QString>{QStringLiteral("Print Calendar Pages")});
        QVERIFY(window.errors.empty());
        const PrintRecording& recording = printer.Recording();
        QCOMPARE(recording.DocumentsEnded(), 1);
        QVERIFY(recording.FindText(MonthTitle(2024, 2), 1).has_value());
        QVERIFY(recording.FindText("2460342", 1).has_value());  // 1 February 2024
        QVERIFY(!recording.FindText("2024 32", 1).has_value());
        QCOMPARE(recording.Of(RecordedPrintCall::Kind::BeginDocument)[0].orientation,
                 PageOrientation::Portrait);
        // Printing moves nothing on the screen.
        QCOMPARE(window.Grid().SelectedDate(), EncodeDateSerial(2024, 2, 9));
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    // Each command reads the grid anew: a later print follows the month and
    // the mode shown at that moment.
    void eachPrintReadsTheGridWhenItStarts() {
        RecordingPrinter printer;
        Window window(&printer);
        window.Grid().SetSelectedDate(EncodeDateSerial(2023, 2, 1));
        window.runner.Queue(Choose(1, 2));
        QTest::mouseClick(window.Button("btnPrint"), Qt::LeftButton);

        QTest::mouseClick(window.Button("btnNextYear"), Qt::LeftButton);
        window.Item("ShowNone2")->trigger();
        window.runner.Queue(Choose(0, 1));
        window.Item("Print1")->trigger();

        QVERIFY(window.errors.empty());
        const PrintRecording& recording = printer.Recording();
        QCOMPARE(recording.DocumentsEnded(), 3);
        QVERIFY(recording.FindText(MonthTitle(2023, 2), 1).has_value());
        QVERIFY(recording.FindText(MonthTitle(2023, 3), 2).has_value());
        QVERIFY(recording.FindText("2023 60", 2).has_value());  // day of year of 1 March
        QCOMPARE(recording.Of(RecordedPrintCall::Kind::BeginDocument)[1].orientation,
                 PageOrientation::Landscape);
        QVERIFY(recording.FindText(MonthTitle(2024, 2), 3).has_value());
        QVERIFY(!recording.FindText("2024 32", 3).has_value());
        QVERIFY(!recording.FindText("2460342", 3).has_value());
        QCOMPARE(recording.Of(RecordedPrintCall::Kind::BeginDocument)[2].orientation,
                 PageOrientation::Portrait);
    }

    // The pages list the events of the calendars the window shows, their
    // times as the locale writes them.
    void printsTheShownCalendarsEvents() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("mine.ics"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
            "BEGIN:VEVENT\r\nUID:1\r\nDTSTART:20240209T143000\r\n"
            "SUMMARY:Dentist\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        file.close();
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        RecordingPrinter printer;
        Window window(&printer, true, path.toStdString());
        QTRY_VERIFY_WITH_TIMEOUT(window.calendarsLoaded, 15000);
        window.Grid().SetSelectedDate(EncodeDateSerial(2024, 2, 9));
        window.runner.Queue(Choose(4, 1));  // Weekly Planner
        QTest::mouseClick(window.Button("btnPrint"), Qt::LeftButton);

        QLocale::setDefault(previous);
        QVERIFY(window.errors.empty());
        QVERIFY(printer.Recording().FindText("2:30\u202fPM Dentist", 1).has_value() ||
                printer.Recording().FindText("2:30 PM Dentist", 1).has_value());
    }

    // The real modal loop: F1 reaches the window's help and Esc cancels only
    // the dialog.
    void f1AndEscInTheRealPrintDialog() {
        RecordingPrinter printer;
        Window window(&printer, false);
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        bool openAfterF1 = false;
        ModalDialogDriver driver([&openAfterF1](QDialog& dialog) {
            QTest::keyClick(dialog.focusWidget(), Qt::Key_F1);
            openAfterF1 = dialog.isVisible();
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        });
        QTest::mouseClick(window.Button("btnPrint"), Qt::LeftButton);
        QVERIFY(driver.outcome().acted);
        QVERIFY(!driver.outcome().leftOpen);
        QVERIFY(openAfterF1);
        QCOMPARE(window.shell.requests.size(), std::size_t{1});
        QCOMPARE(window.shell.requests.front().file, std::string("tessarine4.html"));
        QCOMPARE(printer.Recording().devicesCreated, 0);
        QVERIFY(window.errors.empty());
        QVERIFY(window.form->isVisible());
    }

    void aPrinterFailureIsShownOnceOverTheWindow() {
        RecordingPrinterConfig config;
        config.failOnBeginOfDocument = 2;
        config.failureMessage = "Printer jammed.";
        RecordingPrinter printer(config);
        Window window(&printer);
        window.runner.Queue(Choose(0, 3));
        QTest::mouseClick(window.Button("btnPrint"), Qt::LeftButton);
        QCOMPARE(window.errors.size(), std::size_t{1});
        QCOMPARE(window.errors[0].message, std::string("Printer jammed."));
        QCOMPARE(window.errors[0].owner, window.form.get());
        QCOMPARE(printer.Recording().DocumentsEnded(), 1);  // the rest is not printed
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void withoutADefaultPrinterOneErrorAndTheProgramGoesOn() {
        NoDefaultPrinter noPrinter;
        if (!QPrinterInfo::defaultPrinter().isNull()) {
            QSKIP("This printing system keeps a default printer whatever PRINTER names.");
        }
        Window window(nullptr);
        window.Grid().SetSelectedDate(EncodeDateSerial(2024, 2, 9));
        window.runner.Queue(Choose(0, 2));
        QTest::mouseClick(window.Button("btnPrint"), Qt::LeftButton);

        QCOMPARE(window.errors.size(), std::size_t{1});
        // Which of the printer messages depends on this machine's printing
        // service; their wording is the core's.
        QVERIFY(!window.errors[0].message.empty());
        QCOMPARE(window.errors[0].owner, window.form.get());
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);

        // The window still answers, and a second attempt fails the same way.
        QVERIFY(window.form->isVisible());
        QTest::mouseClick(window.Button("btnNextMonth"), Qt::LeftButton);
        QCOMPARE(window.Grid().SelectedDate(), EncodeDateSerial(2024, 3, 9));
        window.runner.Queue(Choose(0, 1));
        window.Item("Print1")->trigger();
        QCOMPARE(window.errors.size(), std::size_t{2});
    }
};

QTEST_MAIN(MainFormPrintTest)
#include "main_form_print_test.moc"
