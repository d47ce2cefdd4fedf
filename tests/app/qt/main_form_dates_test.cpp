// SPDX-License-Identifier: GPL-3.0-or-later
// The marked-date commands as the user reaches them in the main window:

#include "support/test_dates.h"
// through the "&Date" menu and the grid's context menu, with the dialogs
// scripted or run in their real modal loops.

#include <QAction>
#include <QContextMenuEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "dialogs/qt/date_diff_form.h"
#include "dialogs/qt/enter_date_form.h"
#include "platform/qt/font_setup.h"
#include "support/qt/modal_dialog_driver.h"
#include "support/qt/scripted_dialog_runner.h"
#include "support/recording_alert_sound.h"
#include "support/recording_shell.h"

using namespace tessarine;

namespace {

bool SystemLocaleIsEnglish() {
    const QLocale::Language language = QLocale::system().language();
    return language == QLocale::C || language == QLocale::English;
}

// Expected texts, taken from the locale itself rather than from the
// program's own formatting.
QString MonthCaption(int year, int month) {
    return QLocale::system().standaloneMonthName(month, QLocale::LongFormat) + QLatin1Char(' ') +
           QString::number(year);
}

QString GotoCaption(int mark, int year, int month, int day) {
    return QStringLiteral("Go to Date %1 - \u2068%2-%3-%4\u2069")
        .arg(mark)
        .arg(year)
        .arg(QLocale::system().standaloneMonthName(month, QLocale::ShortFormat))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QColor Expected(Color color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

// One main window with recorders in place of the desktop. With `scripted`
// the dialogs play queued scripts; without, they run their real modal loops.
struct Window {
    QTemporaryDir registryDir;  // settings chosen in one test stay out of the next
    RecordingShell shell;
    RecordingAlertSound alert;
    ScriptedDialogRunner runner;
    std::vector<std::string> errors;
    std::unique_ptr<TjulCalMainForm> form;

    explicit Window(bool scripted = true) {
        qputenv("TESSARINE_REGISTRY_DIR", registryDir.path().toLocal8Bit());
        MainFormServices services;
        services.shell = &shell;
        services.showError = [this](QWidget*, const std::string& message) {
            errors.push_back(message);
        };
        services.alertSound = &alert;
        services.dialogRunner = scripted ? &runner : nullptr;
        form = std::make_unique<TjulCalMainForm>(std::move(services));
        form->Timer1Timer();  // as 1.5 s after start: the splash has gone
        form->show();
        QApplication::setActiveWindow(form.get());
    }

    QAction* Item(const char* name) const {
        auto* item = form->findChild<QAction*>(QString::fromLatin1(name));
        Q_ASSERT(item != nullptr);
        return item;
    }
    QString Text(const char* name) const { return Item(name)->text(); }
    // The Go to Date item of a mark: the main menu's or the context menu's.
    QString GotoText(int mark, bool popup) const {
        const QString name = QStringLiteral("GotoDate%1%2").arg(mark).arg(popup ? 1 : 2);
        return Item(name.toLatin1().constData())->text();
    }
    TJulianCalendar& Grid() const { return form->Calendar1()->calendar(); }
    QString Caption() const {
        return form->findChild<QLabel*>(QStringLiteral("lblDateCaption"))->text();
    }
    QMenu* DateMenu() const { return form->findChild<QMenu*>(QStringLiteral("Date1")); }
    QMenu* Popup() const { return form->findChild<QMenu*>(QStringLiteral("PopupMenu1")); }

    // A right click on a grid cell, through the window as the platform
    // delivers it; the context menu stays open.
    void OpenPopup(int col = 2, int row = 4) const {
        const Rect cell = Grid().CellRect(col, row);
        const QPoint at(cell.left + cell.Width() / 2, cell.top + cell.Height() / 2);
        QTest::mouseClick(form->windowHandle(), Qt::RightButton, {},
                          form->Calendar1()->mapTo(form.get(), at));
        QTRY_VERIFY(Popup()->isVisible());
    }
    // A click on "&Date" in the menu bar; the menu stays open.
    void OpenDateMenu() const {
        QMenuBar* bar = form->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, {},
                          bar->actionGeometry(DateMenu()->menuAction()).center());
        QTRY_VERIFY(DateMenu()->isVisible());
    }
    static void Close(QMenu* menu) {
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!menu->isVisible());
    }
    static void Click(QMenu* menu, const char* name) {
        QAction* item = menu->findChild<QAction*>(QString::fromLatin1(name));
        QVERIFY2(item != nullptr, name);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTRY_VERIFY(!menu->isVisible());
    }
    void ChooseFromPopup(const char* name) const {
        OpenPopup();
        Click(Popup(), name);
    }
    void ChooseFromDateMenu(const char* name) const {
        OpenDateMenu();
        Click(DateMenu(), name);
    }
};

ScriptedDialogRunner::Script TypeAndPress(QString text, Qt::Key key) {
    return [text, key](QDialog& dialog) {
        QTest::keyClicks(dialog.focusWidget(), text);
        QTest::keyClick(dialog.focusWidget(), key);
    };
}

}  // namespace

class MainFormDatesTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { SetUpFontSubstitutes(); }

    void marksStartOnTodayAndEachMenuShowsThemWhenItOpens() {
        Window window;
        const QDate today = QDate::currentDate();
        const auto todayCaption = [&today](int mark) {
            return GotoCaption(mark, today.year(), today.month(), today.day());
        };
        window.Grid().SetSelectedDate(Date(2030, 6, 15));

        QCOMPARE(window.GotoText(1, false), QStringLiteral("Go to Date 1"));
        window.OpenDateMenu();
        for (int mark = 1; mark <= 3; ++mark) {
            QCOMPARE(window.GotoText(mark, false), todayCaption(mark));
        }
        QCOMPARE(window.Text("GotoDate21"), QStringLiteral("Go to Date 2"));  // not opened yet
        Window::Click(window.DateMenu(), "GotoDate22");
        QCOMPARE(window.Grid().SelectedDate(), TodayDate());
        QCOMPARE(window.Caption(), MonthCaption(today.year(), today.month()));

        window.Grid().SetSelectedDate(Date(2030, 6, 15));
        window.ChooseFromPopup("GotoDate31");
        QCOMPARE(window.Grid().SelectedDate(), TodayDate());
        for (int mark = 1; mark <= 3; ++mark) {
            QCOMPARE(window.GotoText(mark, true), todayCaption(mark));
        }
        QCOMPARE(window.alert.beeps, 0);
    }

    // The context menu marks the highlighted day, not the cell under the
    // mouse; each menu's captions change only when that menu opens.
    void markingFromThePopupAndTheCaptionsOfEachMenu() {
        Window window;
        window.Grid().SetSelectedDate(Date(2024, 2, 9));
        window.OpenDateMenu();
        Window::Close(window.DateMenu());
        const QString mainBefore = window.Text("GotoDate22");

        window.OpenPopup(2, 4);  // over the 20th
        QCOMPARE(window.Grid().SelectedDate(), Date(2024, 2, 9));
        Window::Click(window.Popup(), "SetasDate21");
        QCOMPARE(window.form->MarkedDate2(), Date(2024, 2, 9));
        QCOMPARE(window.form->MarkedDate1(), TodayDate());

        window.OpenPopup();
        QCOMPARE(window.Text("GotoDate21"), GotoCaption(2, 2024, 2, 9));
        if (SystemLocaleIsEnglish()) {
            QCOMPARE(window.Text("GotoDate21"),
                     QStringLiteral("Go to Date 2 - \u20682024-Feb-09\u2069"));
        }
        Window::Close(window.Popup());
        QCOMPARE(window.Text("GotoDate22"), mainBefore);

        window.OpenDateMenu();
        QCOMPARE(window.Text("GotoDate22"), GotoCaption(2, 2024, 2, 9));
        Window::Close(window.DateMenu());
    }

    void goingToAMarkInAnotherMonthMovesTheMonthAndTheCaption() {
        Window window;
        window.Grid().SetSelectedDate(Date(2023, 12, 25));
        window.ChooseFromDateMenu("SetasDate12");
        window.Grid().SetSelectedDate(Date(1582, 10, 15));
        window.ChooseFromPopup("SetasDate31");
        window.Grid().SetSelectedDate(Date(3000, 12, 31));
        window.ChooseFromDateMenu("SetasDate32");  // the same mark from the other menu
        QCOMPARE(window.form->MarkedDate3(), Date(3000, 12, 31));

        window.Grid().SetSelectedDate(Date(2024, 7, 4));
        window.ChooseFromPopup("GotoDate11");
        QCOMPARE(window.Grid().SelectedDate(), Date(2023, 12, 25));
        QCOMPARE(window.Caption(), MonthCaption(2023, 12));
        window.ChooseFromDateMenu("GotoDate32");
        QCOMPARE(window.Grid().SelectedDate(), Date(3000, 12, 31));
        QCOMPARE(window.Caption(), MonthCaption(3000, 12));
        QCOMPARE(window.alert.beeps, 0);
        QVERIFY(window.errors.empty());
    }

    void typedDate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("fromPopup");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("leap day, main menu") << "20240229" << false << true;
        QTest::newRow("leap day, context menu") << "20240229" << true << true;
        QTest::newRow("no leap day") << "20230229" << false << false;
        QTest::newRow("empty") << "" << true << false;
        QTest::newRow("six characters") << "202401" << false << false;
    }
    void typedDate() {
        QFETCH(QString, typed);
        QFETCH(bool, fromPopup);
        QFETCH(bool, accepted);
        Window window;
        window.Grid().SetSelectedDate(Date(2025, 8, 17));
        const QString captionBefore = window.Caption();
        window.runner.Queue(TypeAndPress(typed, Qt::Key_Return));

        if (fromPopup) {
            window.ChooseFromPopup("GotoDate1");
        } else {
            window.ChooseFromDateMenu("GoToDate2");
        }

        QCOMPARE(window.runner.titles, std::vector<QString>{QStringLiteral("Go to a date")});
        QCOMPARE(window.runner.leftOpen, 0);
        if (accepted) {
            QCOMPARE(window.alert.beeps, 0);
            QCOMPARE(window.Grid().SelectedDate(), Date(2024, 2, 29));
            QCOMPARE(window.Caption(), MonthCaption(2024, 2));
        } else {
            QCOMPARE(window.alert.beeps, 1);
            QCOMPARE(window.Grid().SelectedDate(), Date(2025, 8, 17));
            QCOMPARE(window.Caption(), captionBefore);
        }
        QCOMPARE(window.form->MarkedDate1(), TodayDate());
        QVERIFY(window.errors.empty());
        QVERIFY(window.form->isVisible());
    }

    void cancellingTheGoToDialogNeverBeeps_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel button") << QStringLiteral("cancel");
        QTest::newRow("Esc") << QStringLiteral("esc");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void cancellingTheGoToDialogNeverBeeps() {
        QFETCH(QString, way);
        Window window;
        window.Grid().SetSelectedDate(Date(2025, 8, 17));
        window.runner.Queue([way](QDialog& dialog) {
            auto& form = static_cast<TenterDateForm&>(dialog);
            QTest::keyClicks(form.edNewDate, "20240229");
            if (way == QLatin1String("cancel")) {
                QTest::mouseClick(form.btnCancel, Qt::LeftButton);
            } else if (way == QLatin1String("esc")) {
                QTest::keyClick(form.edNewDate, Qt::Key_Escape);
            } else {
                form.close();
            }
        });
        window.ChooseFromDateMenu("GoToDate2");
        QCOMPARE(window.runner.leftOpen, 0);
        QCOMPARE(window.alert.beeps, 0);
        QCOMPARE(window.Grid().SelectedDate(), Date(2025, 8, 17));
        QVERIFY(window.form->isVisible());  // Esc ended the dialog, not the program
    }

    // The table reads the marks and the colours active when it opens.
    void differencesShowTheMarksInTheActiveColours() {
        Window window;
        const struct {
            const char* item;
            DateSerial date;
        } marks[] = {{"SetasDate11", Date(2024, 1, 1)},
                     {"SetasDate22", Date(2024, 3, 1)},
                     {"SetasDate31", Date(2023, 12, 25)}};
        for (const auto& mark : marks) {
            window.Grid().SetSelectedDate(mark.date);
            if (QByteArray(mark.item).endsWith('2')) {
                window.ChooseFromDateMenu(mark.item);
            } else {
                window.ChooseFromPopup(mark.item);
            }
        }
        window.Item("UseDefaultColorset1")->trigger();

        QStringList texts;
        QColor background;
        window.runner.Queue([&](QDialog& dialog) {
            auto& form = static_cast<TDateDiffForm&>(dialog);
            texts << form.r1->text() << form.r2->text() << form.r3->text();
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) texts << form.Cell(i, j)->text();
            }
            background = form.grab().toImage().pixelColor(4, 4);
            QTest::mouseClick(form.btnClose, Qt::LeftButton);
        });
        window.ChooseFromPopup("DisplayDateDifferences2");
        QCOMPARE(window.runner.titles,
                 std::vector<QString>{QStringLiteral("Display Date Differences")});
        QCOMPARE(texts, (QStringList{"2024-01-01", "2024-03-01", "2023-12-25", "0", "-60", "7",
                                     "60", "0", "67", "-7", "-67", "0"}));
        QCOMPARE(background, Expected(window.form->ActiveColors()[ColorSet::BackgroundColor]));
        QCOMPARE(background, Expected(0xCCFFFF));  // Green and Yellow's background
        QCOMPARE(window.runner.leftOpen, 0);

        // The main-menu twin opens the same table.
        window.runner.Queue([&](QDialog& dialog) {
            texts = QStringList{static_cast<TDateDiffForm&>(dialog).r1c2->text()};
            dialog.close();
        });
        window.ChooseFromDateMenu("DisplayDateDifferences1");
        QCOMPARE(texts, QStringList{"-60"});
        QCOMPARE(window.alert.beeps, 0);
    }

    void aDialogThatCannotOpenBeepsAndNothingElse() {
        Window window;
        window.runner.FailNextRun();
        window.ChooseFromDateMenu("DisplayDateDifferences1");
        window.runner.FailNextRun();
        window.ChooseFromPopup("GotoDate1");
        QCOMPARE(window.alert.beeps, 2);
        QVERIFY(window.errors.empty());
        QVERIFY(window.form->isVisible());
    }

    // The real modal loops: F1 reaches the window's help, Esc ends only the
    // dialog.
    // Esc closes a menu and hands the keys straight back to the grid.
    void arrowKeysWorkRightAfterAMenuClosesWithEsc() {
        Window window;
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        window.Grid().SetSelectedDate(Date(2025, 8, 17));
        window.OpenDateMenu();
        Window::Close(window.DateMenu());
        QTRY_COMPARE(window.form->focusWidget(), window.form->Calendar1());
        QTest::keyClick(window.form->focusWidget(), Qt::Key_Right);
        QCOMPARE(window.Grid().SelectedDate(), Date(2025, 8, 18));
    }

    void f1AndEscInTheRealDialogs_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("go to date") << QStringLiteral("GoToDate2");
        QTest::newRow("differences") << QStringLiteral("DisplayDateDifferences2");
    }
    void f1AndEscInTheRealDialogs() {
        QFETCH(QString, item);
        Window window(false);
        QVERIFY(QTest::qWaitForWindowActive(window.form.get()));
        window.Grid().SetSelectedDate(Date(2025, 8, 17));
        bool openAfterF1 = false;
        QPoint dialogCentre;
        ModalDialogDriver driver([&openAfterF1, &dialogCentre](QDialog& dialog) {
            dialogCentre = dialog.frameGeometry().center();
            QTest::keyClick(dialog.focusWidget(), Qt::Key_F1);
            openAfterF1 = dialog.isVisible();
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        });
        window.Item(item.toLatin1().constData())->trigger();
        QVERIFY(driver.outcome().acted);
        QVERIFY(!driver.outcome().leftOpen);
        QVERIFY(openAfterF1);
        // Centred over the main window's frame.
        QVERIFY((dialogCentre - window.form->frameGeometry().center()).manhattanLength() <= 2);
        QCOMPARE(window.shell.requests.size(), std::size_t{1});
        QCOMPARE(window.shell.requests.front().file, std::string("tessarine4.html"));
        QCOMPARE(window.shell.requests.front().showCommand, 5);
        QCOMPARE(window.alert.beeps, 0);
        QCOMPARE(window.Grid().SelectedDate(), Date(2025, 8, 17));
        QVERIFY(window.form->isVisible());
    }
};

QTEST_MAIN(MainFormDatesTest)
#include "main_form_dates_test.moc"
