// SPDX-License-Identifier: GPL-3.0-or-later
// What only Qt can show of the splash/About window and the donation dialog;
// the reminder's rules are tested in the core.

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "dialogs/qt/donate_form.h"
#include "dialogs/qt/splash_form.h"
#include "dialogs/web_addresses.h"
#include "support/qt/scripted_dialog_runner.h"
#include "support/recording_shell.h"
#include "support/test_dates.h"

namespace tessarine {

namespace {

const DateSerial kToday = Date(2026, 12, 8);

void Click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

}  // namespace

class SplashDonateTest : public QObject {
    Q_OBJECT
  private slots:
    void startUpSplashHasNoCloseButtonAndADeadLink() {
        RecordingShell shell;
        TsplashForm splash(nullptr, TsplashForm::Mode::StartUp, shell);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QCOMPARE(splash.size(), QSize(280, 140));
        QVERIFY(!splash.btnClose->isVisible());
        QVERIFY(!splash.Image1->pixmap().isNull());
        Click(splash.Label3);
        QVERIFY(shell.requests.empty());
        Click(splash.Image1);
        QVERIFY(!splash.isVisible());
    }

    void aboutOpensTheHomePageAndClosesByButtonOrPicture() {
        RecordingShell shell;
        for (const bool byButton : {true, false}) {
            TsplashForm about(nullptr, TsplashForm::Mode::About, shell);
            ScriptedDialogRunner runner;
            runner.Queue([&](QDialog&) {
                QVERIFY(about.btnClose->isVisible());
                Click(about.Label3);
                QVERIFY(about.isVisible());
                Click(byButton ? static_cast<QWidget*>(about.btnClose) : about.Image1);
            });
            runner.Run(about);
            QCOMPARE(runner.leftOpen, 0);
        }
        QCOMPARE(shell.requests.size(), std::size_t{2});
        QCOMPARE(shell.requests[0].file, std::string(HomePageUrl()));
        QCOMPARE(shell.requests[0].showCommand, kShowNormal);
    }

    void donationDialogRecordsTheAnswerOnEveryWayOut() {
        RecordingShell shell;
        ScriptedDialogRunner runner;
        DonationServices services{&shell, [] { return kToday; }, &runner};
        DonationReminder reminder = DonationReminder::NothingStored(kToday);

        // The close box with the first answer selected: the donation page
        // opens as with "Proceed".
        runner.Queue([](QDialog& dialog) {
            auto& form = static_cast<TDonateForm&>(dialog);
            QCOMPARE(form.size(), QSize(366, 473));
            QCOMPARE(form.SelectedAnswer(), 0);
            form.close();
        });
        ShowDonationDialog(nullptr, reminder, services);
        QCOMPARE(reminder.DonationStatus(), 0);
        QCOMPARE(shell.requests.back().file, std::string(DonationPageUrl()));

        // The link keeps the dialog open; "Proceed" records "not now".
        runner.Queue([](QDialog& dialog) {
            auto& form = static_cast<TDonateForm&>(dialog);
            Click(form.lblHomePage);
            QVERIFY(form.isVisible());
            form.findChild<QRadioButton*>(QStringLiteral("rgDonate4"))->click();
            Click(form.ntmOK);
        });
        ShowDonationDialog(nullptr, reminder, services);
        QCOMPARE(reminder.DonationStatus(), 4);
        QCOMPARE(reminder.LastPromptDate(), kToday);
        QCOMPARE(shell.requests.back().file, std::string(HomePageUrl()));

        // Opened on demand in this run: no reminder at the close.
        RemindIfDue(nullptr, reminder, services);
        QCOMPARE(runner.titles.size(), std::size_t{2});
        QCOMPARE(runner.leftOpen, 0);
    }

    // Esc answers nothing in the donation dialog, whose first answer opens
    // the donation page; it closes the About window, which has no frame.
    void escapeClosesTheAboutWindowButNotTheDonationDialog() {
        RecordingShell shell;
        ScriptedDialogRunner runner;
        DonationServices services{&shell, [] { return kToday; }, &runner};
        DonationReminder reminder = DonationReminder::NothingStored(kToday);
        TDonateForm donate(nullptr, reminder, services);
        TsplashForm about(nullptr, TsplashForm::Mode::About, shell);
        struct Case {
            QDialog* dialog;
            bool closes;
        };
        for (const Case& c : {Case{&donate, false}, Case{&about, true}}) {
            runner.Queue([&c](QDialog& dialog) {
                QWidget* focused = dialog.focusWidget();
                QTest::keyClick(focused != nullptr ? focused : &dialog, Qt::Key_Escape);
                QCOMPARE(dialog.isVisible(), !c.closes);
            });
            runner.Run(*c.dialog);
        }
        QCOMPARE(runner.leftOpen, 1);
        QVERIFY(shell.requests.empty());
        QCOMPARE(reminder.DonationStatus(), static_cast<std::int32_t>(kRemindTomorrow));
    }
};

}  // namespace tessarine

QTEST_MAIN(tessarine::SplashDonateTest)
#include "splash_donate_test.moc"
