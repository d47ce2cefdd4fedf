// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/main_form.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <optional>
#include <stdexcept>
#include <vector>

#include "calendar/qt/julian_calendar_widget.h"
#include "dialogs/calendar_sources.h"
#include "dialogs/qt/splash_form.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/speed_button.h"
#include "platform/reg_hive_store.h"
#include "support/qt/scripted_dialog_runner.h"
#include "support/recording_shell.h"

using namespace tessarine;

namespace {

QString Caption(const TjulCalMainForm& form) {
    return form.findChild<QLabel*>(QStringLiteral("lblDateCaption"))->text();
}

QToolButton* Button(const TjulCalMainForm& form, const char* name) {
    auto* button = form.findChild<QToolButton*>(QString::fromLatin1(name));
    Q_ASSERT(button != nullptr);
    return button;
}

// The caption expected for a month, taken from the locale itself rather than
// from the program's own formatting.
QString MonthCaption(int year, int month) {
    return QLocale::system().standaloneMonthName(month, QLocale::LongFormat) + QLatin1Char(' ') +
           QString::number(year);
}

bool SystemLocaleIsEnglish() {
    const QLocale::Language language = QLocale::system().language();
    return language == QLocale::C || language == QLocale::English;
}

// Whether the caption fits its rectangle without being shortened.
bool Whole(const QToolButton& button, const QRect& caption) {
    return button.fontMetrics().elidedText(button.text(), Qt::ElideRight, caption.width()) ==
           button.text();
}

void ShowActive(TjulCalMainForm& form) {
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
}

struct Item {
    const char* name;
    const char* caption;
    const char* hint;
    bool enabled;
    std::optional<bool> checked;  // empty: no check mark at all
};

constexpr std::nullopt_t kPlain = std::nullopt;

Item Separator(const char* name) {
    return {name, "", "", true, kPlain};
}

void CompareMenu(const QMenu& menu, const std::vector<Item>& expected) {
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(actions.size(), static_cast<qsizetype>(expected.size()));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const QAction& action = *actions[i];
        const Item& item = expected[static_cast<std::size_t>(i)];
        const QByteArray where = QByteArray(item.name);
        QVERIFY2(action.objectName() == QLatin1String(item.name),
                 qPrintable(action.objectName() + " instead of " + item.name));
        if (QByteArray(item.caption).isEmpty()) {
            QVERIFY2(action.isSeparator(), where);
            continue;
        }
        QVERIFY2(!action.isSeparator(), where);
        QCOMPARE(action.text(), QString::fromLatin1(item.caption));
        QCOMPARE(action.statusTip(), QString::fromLatin1(item.hint));
        QVERIFY2(action.isEnabled() == item.enabled, where);
        QVERIFY2(action.isCheckable() == item.checked.has_value(), where);
        if (item.checked) {
            QVERIFY2(action.isChecked() == *item.checked, where);
        }
    }
}

}  // namespace

class MainFormTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        SetUpFontSubstitutes();
        // The windows read and create their settings key: keep it away from
        // this machine's own hives.
        QVERIFY(registryDir_.isValid());
        qputenv("TESSARINE_REGISTRY_DIR", registryDir_.path().toLocal8Bit());
    }

    void startsOnTodayWithTheMarksOnToday() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        const QDate today = QDate::currentDate();
        const DateSerial todaySerial = EncodeDateSerial(static_cast<std::uint16_t>(today.year()),
                                                        static_cast<std::uint16_t>(today.month()),
                                                        static_cast<std::uint16_t>(today.day()));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tessarine - Freeware Edition"));
        QCOMPARE(form.Calendar1()->calendar().SelectedDate(), todaySerial);
        QCOMPARE(form.MarkedDate1(), todaySerial);
        QCOMPARE(form.MarkedDate2(), todaySerial);
        QCOMPARE(form.MarkedDate3(), todaySerial);
        QCOMPARE(Caption(form), MonthCaption(today.year(), today.month()));
    }

    void hostsTheGridAsDesigned() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        form.show();
        JulianCalendarWidget* grid = form.Calendar1();
        QCOMPARE(grid->parentWidget(), form.ClientArea());
        QCOMPARE(grid->pos(), QPoint(8, 38));
        QCOMPARE(grid->calendar().GridLineWidth(), 0);
        QCOMPARE(grid->calendar().Colors(), form.ActiveColors());
        QCOMPARE(form.ActiveColors()[ColorSet::BackgroundColor], Color{0xF0CAA6});
        QCOMPARE(form.ActiveColors()[ColorSet::TitleBandColor], Color{0xE8E8E8});
        QCOMPARE(grid->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(grid->font().pixelSize(), 14);
        const QFont captionFont = form.findChild<QLabel*>(QStringLiteral("lblDateCaption"))->font();
        QCOMPARE(captionFont.pixelSize(), 16);
        QVERIFY(captionFont.bold());
    }

    void buttonsMoveTheDateAndTheCaptionFollows() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        TJulianCalendar& grid = form.Calendar1()->calendar();
        grid.SetSelectedDate(EncodeDateSerial(2025, 2, 15));
        QCOMPARE(Caption(form), MonthCaption(2025, 2));

        QTest::mouseClick(Button(form, "btnNextMonth"), Qt::LeftButton);
        QCOMPARE(grid.SelectedDate(), EncodeDateSerial(2025, 3, 15));
        QCOMPARE(Caption(form), MonthCaption(2025, 3));
        if (SystemLocaleIsEnglish()) {
            QCOMPARE(Caption(form), QStringLiteral("March 2025"));
        }

        QTest::mouseClick(Button(form, "btnLastYear"), Qt::LeftButton);
        QCOMPARE(Caption(form), MonthCaption(2024, 3));
        QTest::mouseClick(Button(form, "btnLastMonth"), Qt::LeftButton);
        QTest::mouseClick(Button(form, "btnLastMonth"), Qt::LeftButton);
        QCOMPARE(grid.SelectedDate(), EncodeDateSerial(2024, 1, 15));
        QCOMPARE(Caption(form), MonthCaption(2024, 1));
        QTest::mouseClick(Button(form, "btnNextYear"), Qt::LeftButton);
        QCOMPARE(Caption(form), MonthCaption(2025, 1));

        QTest::mouseClick(Button(form, "btnToday"), Qt::LeftButton);
        const QDate today = QDate::currentDate();
        QCOMPARE(Caption(form), MonthCaption(today.year(), today.month()));
    }

    void navigationButtonsNeverTakeTheFocus() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        ShowActive(form);
        QCOMPARE(QApplication::focusWidget(), form.Calendar1());
        for (const char* name : {"btnPrint", "btnOrder", "btnHelp", "btnExit", "btnLastYear",
                                 "btnLastMonth", "btnToday", "btnNextMonth", "btnNextYear"}) {
            QToolButton* button = Button(form, name);
            QVERIFY2(button->focusPolicy() == Qt::NoFocus, name);
            QVERIFY2(button->autoRaise(), name);
        }
        QTest::mouseClick(Button(form, "btnNextMonth"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), form.Calendar1());
    }

    void pageUpReachesTheGridWithoutAClickFirst() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        form.Calendar1()->calendar().SetSelectedDate(EncodeDateSerial(2025, 2, 15));
        ShowActive(form);
        QCOMPARE(QApplication::focusWidget(), form.Calendar1());

        QTest::keyClick(form.windowHandle(), Qt::Key_PageUp);
        QCOMPARE(form.Calendar1()->calendar().SelectedDate(), EncodeDateSerial(2025, 3, 15));
        QCOMPARE(Caption(form), MonthCaption(2025, 3));
        QTest::keyClick(form.windowHandle(), Qt::Key_PageDown, Qt::ShiftModifier);
        QCOMPARE(Caption(form), MonthCaption(2024, 3));
        QVERIFY(form.isVisible());
    }

    void escapeClosesAlsoWhileTheGridHasTheFocus() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        ShowActive(form);
        const DateSerial before = form.Calendar1()->calendar().SelectedDate();
        QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.Calendar1()->calendar().SelectedDate(), before);
        QVERIFY(shell.requests.empty());
    }

    void escapeClosesWhenNothingHasTheFocus() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        ShowActive(form);
        form.Calendar1()->clearFocus();
        QTest::keyClick(&form, Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    void exitCommandsClose_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }
    void exitCommandsClose() {
        QFETCH(bool, fromMenu);
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        ShowActive(form);
        if (fromMenu) {
            form.findChild<QAction*>(QStringLiteral("Exit1"))->trigger();
        } else {
            QTest::mouseClick(Button(form, "btnExit"), Qt::LeftButton);
        }
        QVERIFY(!form.isVisible());
    }

    void everyHelpCommandOpensThePageNormally_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("F1 in the grid") << "F1";
        QTest::newRow("Help button") << "button";
        QTest::newRow("Help Contents") << "menu";
    }
    void everyHelpCommandOpensThePageNormally() {
        QFETCH(QString, how);
        // From a folder holding the page, so that an installed copy elsewhere
        // does not change the folder asked for.
        QTemporaryDir start;
        QFile page(start.filePath(QStringLiteral("tessarine4.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(start.path()));
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        ShowActive(form);
        const DateSerial before = form.Calendar1()->calendar().SelectedDate();
        if (how == QLatin1String("F1")) {
            QTest::keyClick(form.windowHandle(), Qt::Key_F1);
        } else if (how == QLatin1String("button")) {
            QTest::mouseClick(Button(form, "btnHelp"), Qt::LeftButton);
        } else {
            form.findChild<QAction*>(QStringLiteral("Instructions1"))->trigger();
        }
        QCOMPARE(shell.requests.size(), std::size_t{1});
        const RecordingShell::Request& request = shell.requests.front();
        QCOMPARE(request.file, std::string("tessarine4.html"));
        QCOMPARE(request.parameters, std::string());
        QCOMPARE(request.showCommand, 5);
        QDir::setCurrent(previous);
        QCOMPARE(request.directory, std::string());
        QVERIFY(form.isVisible());
        QCOMPARE(form.Calendar1()->calendar().SelectedDate(), before);
    }

    void layoutAtClientWidth527() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        form.show();
        form.resize(527, 400);
        QTRY_COMPARE(form.ClientArea()->width(), 527);
        const int clientHeight = form.ClientArea()->height();
        const int bottom = clientHeight - 31 - 8;

        const char* row[] = {"btnLastYear", "btnLastMonth", "btnToday", "btnNextMonth",
                             "btnNextYear"};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Button(form, row[i])->geometry(), QRect(i * 105, bottom, 105, 31));
        }
        QCOMPARE(Button(form, "btnNextYear")->geometry().right(), 524);  // 2 pixels uncovered

        QCOMPARE(Button(form, "btnExit")->geometry(), QRect(453, 2, 74, 31));
        QCOMPARE(Button(form, "btnHelp")->geometry(), QRect(379, 2, 74, 31));
        QCOMPARE(Button(form, "btnOrder")->geometry(), QRect(293, 2, 86, 31));
        QCOMPARE(Button(form, "btnPrint")->geometry(), QRect(1, 2, 80, 31));
        QCOMPARE(form.findChild<QLabel*>(QStringLiteral("lblDateCaption"))->geometry(),
                 QRect(96, 8, 211, 23));
        QCOMPARE(form.Calendar1()->geometry(), QRect(8, 38, 511, bottom - 38));
    }

    void hiddenDonateButtonClosesUp() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        form.show();
        form.resize(527, 400);
        QTRY_COMPARE(form.ClientArea()->width(), 527);
        auto* label = form.findChild<QLabel*>(QStringLiteral("lblDateCaption"));
        const int shownWidth = label->width();

        form.SetOrderButtonShown(false);
        QVERIFY(!Button(form, "btnOrder")->isVisible());
        QCOMPARE(Button(form, "btnExit")->x(), 453);
        QCOMPARE(Button(form, "btnHelp")->x(), 379);
        QCOMPARE(label->width(), shownWidth + 84);

        form.SetOrderButtonShown(true);
        QVERIFY(Button(form, "btnOrder")->isVisible());
        QCOMPARE(Button(form, "btnOrder")->geometry(), QRect(293, 2, 86, 31));
        QCOMPARE(label->width(), shownWidth);
    }

    // The timer releases the start-up splash only, even while an About
    // window is open; a stored "no more requests" hides the Donate button.
    void splashGoesWithTheTimerAndAboutStaysOpen() {
        RecordingShell shell;
        ScriptedDialogRunner runner;
        DonationReminder donated = DonationReminder::NothingStored(TodayDate());
        donated.RecordAnswer(kAlreadyDonated, TodayDate());
        MainFormServices services{&shell, nullptr, {}};
        services.dialogRunner = &runner;
        services.donation = &donated;
        TjulCalMainForm form(std::move(services));
        QVERIFY(!Button(form, "btnOrder")->isVisible());
        QVERIFY(form.Splash() == nullptr);  // built after the first frame
        form.show();
        QTRY_VERIFY(form.Splash() != nullptr && form.Splash()->isVisible());
        QPointer<TsplashForm> splash = form.Splash();
        QCOMPARE(splash->mode(), TsplashForm::Mode::StartUp);
        QVERIFY(form.Timer1->isActive());
        QCOMPARE(form.Timer1->interval(), 1500);

        runner.Queue([&](QDialog& about) {
            QTRY_VERIFY(!form.Timer1->isActive() && !splash);
            QVERIFY(about.isVisible());
            about.close();
        });
        form.Timer1->setInterval(10);  // no test waits 1.5 s
        form.findChild<QAction*>(QStringLiteral("About1"))->trigger();
        QCOMPARE(runner.titles, std::vector<QString>{QStringLiteral("About Tessarine")});
        QCOMPARE(runner.leftOpen, 0);
    }

    // Calendars that cannot be read at start-up are told in the Calendars
    // dialog, never in a box over the window.
    void aCalendarModuleThatFailsIsToldQuietly() {
        QTemporaryDir calendarDir;
        qputenv("TESSARINE_REGISTRY_DIR", calendarDir.path().toLocal8Bit());
        const auto restore = qScopeGuard(
            [this] { qputenv("TESSARINE_REGISTRY_DIR", registryDir_.path().toLocal8Bit()); });
        {
            RegHiveStore store(ResolveHiveLocations());
            CalendarSources sources;
            sources.Add(calendarDir.filePath(QStringLiteral("mine.ics")).toStdString());
            sources.Write(store);
        }
        RecordingShell shell;
        ScriptedDialogRunner runner;
        std::vector<std::string> errors;
        bool tried = false;
        MainFormServices services{&shell, nullptr, {}};
        services.dialogRunner = &runner;
        services.showError = [&errors](QWidget*, const std::string& message) {
            errors.push_back(message);
        };
        services.makeCalendars =
            [&tried](CalendarService::Listener) -> std::unique_ptr<CalendarService> {
            tried = true;
            throw std::runtime_error("The module is gone.");
        };
        TjulCalMainForm form(std::move(services));
        ShowActive(form);
        QTRY_VERIFY(tried);

        QString notice;
        runner.Queue([&notice](QDialog& dialog) {
            notice = dialog.findChild<QLabel*>(QStringLiteral("lblNotice"))->text();
            dialog.close();
        });
        form.findChild<QAction*>(QStringLiteral("Calendars1"))->trigger();
        QVERIFY2(notice.contains(QStringLiteral("The module is gone.")), qPrintable(notice));
        QVERIFY(errors.empty());
    }

    // A start so slow that the splash's time is over before the first frame
    // shows no splash at all.
    void aSplashThatMissedItsTimeNeverComes() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        form.Timer1->setInterval(1);
        QTRY_VERIFY(!form.Timer1->isActive());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(50);
        QVERIFY(form.Splash() == nullptr);
        QVERIFY(form.findChildren<TsplashForm*>().isEmpty());
    }

    // Before the window is shown no frame is known and the outer size is
    // the window's own; once shown, the frame counts in.
    void sizeStartsAndStaysWithinTheLimits() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        QCOMPARE(form.size(), QSize(541, 419));
        QCOMPARE(form.minimumSize(), QSize(480, 404));
        QCOMPARE(form.maximumSize(), QSize(820, 620));

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_COMPARE(form.frameGeometry().size(), QSize(541, 419));
        form.resize(300, 200);
        QTRY_COMPARE(form.frameGeometry().size(), QSize(480, 404));
        form.resize(2000, 1500);
        QTRY_COMPARE(form.frameGeometry().size(), QSize(820, 620));
    }

    void titleBandIsPaintedInTheActiveColours() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage image = form.ClientArea()->grab().toImage();
        const QColor window(0xA6, 0xCA, 0xF0);  // 0xF0CAA6
        const QColor band(0xE8, 0xE8, 0xE8);
        // Between the Print button and the caption, and at the far left.
        for (int x : {0, 88}) {
            QCOMPARE(image.pixelColor(x, 0), QColor(Qt::black));
            QCOMPARE(image.pixelColor(x, 1), window);
            QCOMPARE(image.pixelColor(x, 2), band);
            QCOMPARE(image.pixelColor(x, 30), band);
            QCOMPARE(image.pixelColor(x, 31), window);
            QCOMPARE(image.pixelColor(x, 32), QColor(Qt::white));
            QCOMPARE(image.pixelColor(x, 33), QColor(Qt::black));
            QCOMPARE(image.pixelColor(x, 34), window);
        }
        // The band reaches the right edge.
        QCOMPARE(image.pixelColor(image.width() - 1, 2), band);
        QCOMPARE(image.pixelColor(image.width() - 1, 33), QColor(Qt::black));
    }

    // A dark theme's near-white text would vanish on the light title band:
    // the caption and the buttons stay dark there (the days: in the core).
    void darkThemeTextStaysDarkOnTheLightColours() {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
        dark.setColor(QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0));
        QApplication::setPalette(dark);
        const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        // The darkest grey in a part of the client area as shown.
        const QImage shown = form.ClientArea()->grab().toImage();
        const auto darkest = [&shown](const QRect& part) {
            int least = 255;
            for (int y = part.top(); y <= part.bottom(); ++y) {
                for (int x = part.left(); x <= part.right(); ++x) {
                    least = std::min(least, qGray(shown.pixel(x, y)));
                }
            }
            return least;
        };
        // Inside the band's black and white lines.
        const auto onBand = [](QRect r) { return r.intersected(QRect(0, 3, 10000, 27)); };
        QVERIFY(darkest(onBand(
                    form.findChild<QLabel*>(QStringLiteral("lblDateCaption"))->geometry())) < 0x40);
        QVERIFY(darkest(onBand(Button(form, "btnExit")->geometry())) < 0x40);
    }

    void mainMenuHoldsEveryItemAsDesigned() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        QMenuBar* bar = form.menuBar();
        QCOMPARE(bar->objectName(), QStringLiteral("MainMenu1"));

        const std::vector<Item> top{{"File1", "&File", "File Menu", true, kPlain},
                                    {"Date1", "&Date", "Date Functions", true, kPlain},
                                    {"Options1", "&Options", "", true, kPlain},
                                    {"Help1", "&Help", "Help Menu", true, kPlain}};
        CompareMenu(*form.findChild<QMenu*>(QStringLiteral("File1")),
                    {{"Print1", "&Print Planner or Calendar...", "Print Calendar for current month",
                      true, kPlain},
                     {"Calendars1", "&Calendars...",
                      "Choose the calendars whose events the grid shows", true, kPlain},
                     Separator("N7"),
                     {"Exit1", "E&xit", "Exit this program", true, kPlain}});
        const QList<QAction*> barActions = bar->actions();
        QCOMPARE(barActions.size(), static_cast<qsizetype>(top.size()));
        for (std::size_t i = 0; i < top.size(); ++i) {
            const QAction& action = *barActions[static_cast<qsizetype>(i)];
            QCOMPARE(action.objectName(), QString::fromLatin1(top[i].name));
            QCOMPARE(action.text(), QString::fromLatin1(top[i].caption));
            QCOMPARE(action.statusTip(), QString::fromLatin1(top[i].hint));
            QVERIFY(action.isEnabled());
            QVERIFY(action.menu() != nullptr);
        }

        CompareMenu(*form.findChild<QMenu*>(QStringLiteral("Date1")),
                    {{"GoToDate2", "Go To Date...", "Go to a specific date", true, kPlain},
                     Separator("N5"),
                     {"DisplayDateDifferences1", "Display Date Differences...",
                      "Display Date Differences", true, kPlain},
                     Separator("N1"),
                     {"SetasDate12", "Set as Date 1", "Mark current date as Date 1", true, kPlain},
                     {"SetasDate22", "Set as Date 2", "Mark current date as Date 2", true, kPlain},
                     {"SetasDate32", "Set as Date 3", "Mark current date as Date 3", true, kPlain},
                     Separator("N4"),
                     {"GotoDate12", "Go to Date 1", "Jump to the date previously marked as Date 1",
                      true, kPlain},
                     {"GotoDate22", "Go to Date 2", "Jump to the date previously marked as Date 2",
                      true, kPlain},
                     {"GotoDate32", "Go to Date 3", "Jump to the date previously marked as Date 3",
                      true, kPlain}});

        CompareMenu(
            *form.findChild<QMenu*>(QStringLiteral("Options1")),
            {{"ShowDayofYear1", "Show Day of Year", "Show Day of Year ", true, true},
             {"ShowJulianDayNumbers1", "Show Chronological Julian Day Numbers",
              "Uniform count of days from -4712 January 1 (Chronological Julian Day "
              "Number)",
              true, false},
             {"ShowNone1", "Show None", "Do not show Day Numbers", true, false},
             Separator("N9"),
             {"UseStandardColorSet1", "Standard Colors", "", true, true},
             {"UseDefaultColorset1", "Green and Yellow", "Use default color set", true, false},
             {"UseBusinessColorset1", "Silver and Teal", "Use Business Colors", true, false}});

        CompareMenu(
            *form.findChild<QMenu*>(QStringLiteral("Help1")),
            {{"Instructions1", "&Help Contents", "Program Instructions screen", true, kPlain},
             {"About1", "&About Tessarine...", "", true, kPlain},
             Separator("N10"),
             {"MakeaDonation1", "Make a Donation", "", true, kPlain}});
    }

    void contextMenuHoldsEveryItemAsDesigned() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        CompareMenu(
            *form.findChild<QMenu*>(QStringLiteral("PopupMenu1")),
            {{"GotoDate1", "Go to Date...", "Go to a specific date", true, kPlain},
             Separator("N6"),
             {"DisplayDateDifferences2", "Display Date Differences...", "Display Date Differences",
              true, kPlain},
             Separator("N2"),
             {"SetasDate11", "Set as Date 1", "Mark current date as Date 1", true, kPlain},
             {"SetasDate21", "Set as Date 2", "Mark current date as Date 2", true, kPlain},
             {"SetasDate31", "Set as Date 3", "Mark current date as Date 3", true, kPlain},
             Separator("N3"),
             {"GotoDate11", "Go to Date 1", "Jump to the date previously marked as Date 1", true,
              kPlain},
             {"GotoDate21", "Go to Date 2", "Jump to the date previously marked as Date 2", true,
              kPlain},
             {"GotoDate31", "Go to Date 3", "Jump to the date previously marked as Date 3", true,
              kPlain},
             Separator("N8"),
             {"ShowDayofYear2", "Show Day of Year", "Show Day of Year ", true, true},
             {"ShowJulianDayNumbers2", "Show Chronological Julian Day Numbers",
              "Uniform count of days from -4712 January 1 (Chronological Julian Day Number)", true,
              false},
             {"ShowNone2", "Show None", "Do not show Day Numbers", true, false}});
    }

    // Glyph and caption sit centred together, the glyph on its designed side,
    // and every caption stays whole down to the smallest window.
    void glyphsSitOnTheirSideAndCaptionsStayWhole() {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        form.show();
        form.resize(form.minimumSize());
        QTRY_COMPARE(form.size(), form.minimumSize());

        for (const char* name : {"btnLastYear", "btnLastMonth", "btnToday", "btnNextMonth",
                                 "btnNextYear", "btnPrint", "btnHelp"}) {
            auto* button = qobject_cast<SpeedButton*>(Button(form, name));
            QVERIFY2(button != nullptr, name);
            const QRect glyph = button->glyphRect();
            const QRect caption = button->captionRect();
            QVERIFY2(!glyph.isEmpty() && !caption.isEmpty(), name);
            const bool glyphRight = QByteArray(name).startsWith("btnNext");
            if (glyphRight) {
                QVERIFY2(glyph.left() > caption.right(), name);
            } else {
                QVERIFY2(glyph.right() < caption.left(), name);
            }
            const int left = std::min(glyph.left(), caption.left());
            const int right = button->width() - 1 - std::max(glyph.right(), caption.right());
            QVERIFY2(std::abs(left - right) <= 1, name);
            QVERIFY2(Whole(*button, caption), name);
        }
        for (const char* name : {"btnOrder", "btnExit"}) {
            auto* button = qobject_cast<SpeedButton*>(Button(form, name));
            QVERIFY2(button->glyphRect().isEmpty(), name);
            QVERIFY2(Whole(*button, button->captionRect()), name);
        }
    }

  private:
    QTemporaryDir registryDir_;
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
