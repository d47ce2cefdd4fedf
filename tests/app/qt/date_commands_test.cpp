// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/date_commands.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/qt/date_diff_form.h"
#include "dialogs/qt/enter_date_form.h"
#include "support/qt/modal_dialog_driver.h"
#include "support/qt/scripted_dialog_runner.h"
#include "support/recording_alert_sound.h"
#include "support/test_dates.h"

namespace tessarine {

namespace {

ColorSet Colors(Color background, Color day, Color headerFace) {
    ColorSet set;
    set[ColorSet::BackgroundColor] = background;
    set[ColorSet::DayColor] = day;
    set[ColorSet::HeaderFaceColor] = headerFace;
    return set;
}

QColor Expected(Color color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

// Scripts for the go-to-date dialog, played where the focus is, as a user
// would type.
ScriptedDialogRunner::Script TypeAndPress(QString text, Qt::Key key) {
    return [text, key](QDialog& dialog) {
        QTest::keyClicks(dialog.focusWidget(), text);
        QTest::keyClick(dialog.focusWidget(), key);
    };
}

}  // namespace

class DateCommandsTest : public QObject {
    Q_OBJECT

  private:
    // The grid as the commands see it.
    DateSerial selected_ = 0;
    std::vector<DateSerial> jumps_;
    bool gridThrows_ = false;

    ColorSet active_;
    std::vector<std::string> helpTopics_;
    RecordingAlertSound alert_;
    ScriptedDialogRunner runner_;
    const DateSerial today_ = Date(2024, 2, 9);

    DateCommands::Seams MakeSeams(DialogRunner* runner) {
        DateCommands::Seams seams;
        seams.selectedDate = [this] { return selected_; };
        seams.setSelectedDate = [this](DateSerial date) {
            if (gridThrows_) throw std::runtime_error("grid refused");
            jumps_.push_back(date);
            selected_ = date;
        };
        seams.activeColors = [this] { return active_; };
        seams.startMyHelp = [this](const std::string& topic) { helpTopics_.push_back(topic); };
        seams.alertSound = &alert_;
        seams.dialogRunner = runner;
        return seams;
    }

    DateCommands Make() { return DateCommands(MakeSeams(&runner_), today_); }

  private slots:
    void init() {
        selected_ = today_;
        jumps_.clear();
        gridThrows_ = false;
        active_ = Colors(0xF0CAA6, 0xFFFFFF, 0xE8E8E8);
        helpTopics_.clear();
        alert_.beeps = 0;
        runner_ = ScriptedDialogRunner();
    }

    void marksStartOnTodayAndJumpsGoThere() {
        DateCommands commands = Make();
        selected_ = Date(2030, 6, 1);
        for (int n = 1; n <= 3; ++n) commands.GotoDate(n);
        QCOMPARE(jumps_, (std::vector<DateSerial>{today_, today_, today_}));
        QVERIFY(commands.EnteredDateText().empty());
    }

    void setAsDateMarksTheSelectedDayAndGoToBringsItBack() {
        DateCommands commands = Make();
        selected_ = Date(2023, 12, 25);
        commands.SetasDate(3);
        selected_ = Date(2024, 5, 17);
        commands.SetasDate(1);
        QCOMPARE(commands.Marks(), (MarkedDates{Date(2024, 5, 17), today_, Date(2023, 12, 25)}));
        QVERIFY(jumps_.empty());  // marking never moves the grid
        commands.GotoDate(3);
        QCOMPARE(selected_, Date(2023, 12, 25));
        commands.GotoDate(1);
        QCOMPARE(selected_, Date(2024, 5, 17));
        QCOMPARE(alert_.beeps, 0);
    }

    void captionsFollowTheMarksPerMenu() {
        DateCommands commands = Make();
        QAction main1, main2, main3, popup1, popup2, popup3;
        main2.setText(QStringLiteral("Go to Date 2"));
        commands.RefreshGotoDateCaptions({&popup1, &popup2, &popup3});
        QCOMPARE(popup1.text(), QStringLiteral("Go to Date 1 - \u20682024-Feb-09\u2069"));
        QCOMPARE(popup3.text(), QStringLiteral("Go to Date 3 - \u20682024-Feb-09\u2069"));

        selected_ = Date(2025, 3, 1);
        commands.SetasDate(2);
        commands.RefreshGotoDateCaptions({&popup1, &popup2, &popup3});
        QCOMPARE(popup2.text(), QStringLiteral("Go to Date 2 - \u20682025-Mar-01\u2069"));
        QCOMPARE(main2.text(), QStringLiteral("Go to Date 2"));  // until its own menu opens
        commands.RefreshGotoDateCaptions({&main1, &main2, nullptr});
        QCOMPARE(main2.text(), QStringLiteral("Go to Date 2 - \u20682025-Mar-01\u2069"));
        QCOMPARE(main1.text(), QStringLiteral("Go to Date 1 - \u20682024-Feb-09\u2069"));
    }

    void captionsUseTheLocaleAndShowAnAmpersand() {
        DateCommands::Seams seams = MakeSeams(&runner_);
        seams.localeNames.shortMonthNames[1] = "F&b";
        DateCommands commands(seams, today_);
        QAction item;
        commands.RefreshGotoDateCaptions({&item, nullptr, nullptr});
        QCOMPARE(item.text(), QStringLiteral("Go to Date 1 - \u20682024-F&&b-09\u2069"));
    }

    void typedDate_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<DateSerial>>("jumpsTo");  // nullopt: beeps
        QTest::newRow("leap day") << "20240229" << std::optional(Date(2024, 2, 29));
        QTest::newRow("no leap day") << "20230229" << std::optional<DateSerial>();
        QTest::newRow("first Gregorian day") << "15821015" << std::optional(Date(1582, 10, 15));
        QTest::newRow("last day") << "30001231" << std::optional(Date(3000, 12, 31));
        QTest::newRow("year too early") << "15811231" << std::optional<DateSerial>();
        QTest::newRow("year too late") << "30010101" << std::optional<DateSerial>();
        QTest::newRow("seven characters") << "2024011" << std::optional(Date(2024, 1, 1));
        QTest::newRow("six characters") << "202401" << std::optional<DateSerial>();
        QTest::newRow("blanks before month and day")
            << "2024 1 5" << std::optional(Date(2024, 1, 5));
        QTest::newRow("dashes") << "2024-1-5" << std::optional<DateSerial>();
        QTest::newRow("empty") << "" << std::optional<DateSerial>();
        QTest::newRow("letters") << "abcdefgh" << std::optional<DateSerial>();
        QTest::newRow("month 13") << "20241301" << std::optional<DateSerial>();
        QTest::newRow("hexadecimal") << "2024$A$F" << std::optional(Date(2024, 10, 15));
    }
    void typedDate() {
        QFETCH(QString, typed);
        QFETCH(std::optional<DateSerial>, jumpsTo);
        DateCommands commands = Make();
        selected_ = Date(2024, 7, 4);
        commands.SetasDate(1);
        runner_.Queue(TypeAndPress(typed, Qt::Key_Return));  // Enter is OK

        commands.GotoTypedDate();

        QCOMPARE(runner_.titles, std::vector<QString>{QStringLiteral("Go to a date")});
        QCOMPARE(runner_.leftOpen, 0);
        QCOMPARE(commands.EnteredDateText(), typed.toStdString());
        if (jumpsTo) {
            QCOMPARE(alert_.beeps, 0);
            QCOMPARE(jumps_, std::vector<DateSerial>{*jumpsTo});
        } else {
            QCOMPARE(alert_.beeps, 1);
            QVERIFY(jumps_.empty());
        }
        QCOMPARE(commands.Marks(), (MarkedDates{Date(2024, 7, 4), today_, today_}));
    }

    void cancellingNeverBeeps_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel button") << QStringLiteral("cancel");
        QTest::newRow("Esc") << QStringLiteral("esc");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void cancellingNeverBeeps() {
        QFETCH(QString, way);
        DateCommands commands = Make();
        runner_.Queue([way](QDialog& dialog) {
            auto& form = static_cast<TenterDateForm&>(dialog);
            QTest::keyClicks(form.edNewDate, "20240229");
            if (way == "cancel") {
                QTest::mouseClick(form.btnCancel, Qt::LeftButton);
            } else if (way == "esc") {
                QTest::keyClick(form.edNewDate, Qt::Key_Escape);
            } else {
                form.close();
            }
        });
        commands.GotoTypedDate();
        QCOMPARE(runner_.leftOpen, 0);
        QCOMPARE(alert_.beeps, 0);
        QVERIFY(jumps_.empty());
        QCOMPARE(commands.EnteredDateText(), std::string("      "));
    }

    void everyDialogStartsEmptyAndF1LeavesItOpen() {
        DateCommands commands = Make();
        runner_.Queue(TypeAndPress(QStringLiteral("20240229"), Qt::Key_Return));
        runner_.Queue([](QDialog& dialog) {
            auto& form = static_cast<TenterDateForm&>(dialog);
            QVERIFY(form.edNewDate->text().isEmpty());
            QTest::keyClicks(form.edNewDate, "2025");
            QTest::keyClick(form.edNewDate, Qt::Key_F1);
            QVERIFY(form.isVisible());
            QTest::keyClicks(form.edNewDate, "0301");
            QTest::mouseClick(form.btnOK, Qt::LeftButton);
        });
        commands.GotoTypedDate();
        commands.GotoTypedDate();
        QCOMPARE(helpTopics_, std::vector<std::string>{"HLP_WEL1"});
        QCOMPARE(jumps_, (std::vector<DateSerial>{Date(2024, 2, 29), Date(2025, 3, 1)}));
        QCOMPARE(runner_.leftOpen, 0);
    }

    void failuresInsideTheCommandBeepAndNeverEscape() {
        DateCommands commands = Make();
        gridThrows_ = true;
        runner_.Queue(TypeAndPress(QStringLiteral("20240229"), Qt::Key_Return));
        commands.GotoTypedDate();
        QCOMPARE(alert_.beeps, 1);

        runner_.FailNextRun();
        commands.GotoTypedDate();
        QCOMPARE(alert_.beeps, 2);

        runner_.FailNextRun();
        commands.DisplayDateDifferences();
        QCOMPARE(alert_.beeps, 3);
    }

    void differencesShowTheMarks() {
        DateCommands commands = Make();
        for (const auto& [n, date] :
             {std::pair{1, Date(2024, 1, 1)}, std::pair{2, Date(2024, 3, 1)},
              std::pair{3, Date(2023, 12, 25)}}) {
            selected_ = date;
            commands.SetasDate(n);
        }
        QStringList texts;
        runner_.Queue([&texts](QDialog& dialog) {
            auto& form = static_cast<TDateDiffForm&>(dialog);
            texts << form.r1->text() << form.c2->text() << form.r3->text();
            for (int i = 0; i < 3; ++i) {
                for (int j = 0; j < 3; ++j) texts << form.Cell(i, j)->text();
            }
            QTest::mouseClick(form.btnClose, Qt::LeftButton);
        });
        commands.DisplayDateDifferences();
        QCOMPARE(runner_.titles, std::vector<QString>{QStringLiteral("Display Date Differences")});
        QCOMPARE(texts, (QStringList{"2024-01-01", "2024-03-01", "2023-12-25", "0", "-60", "7",
                                     "60", "0", "67", "-7", "-67", "0"}));
        QCOMPARE(alert_.beeps, 0);
        QCOMPARE(runner_.leftOpen, 0);
    }

    void differencesOverTheFullSpan() {
        DateCommands commands = Make();
        selected_ = Date(1582, 1, 1);
        commands.SetasDate(1);
        selected_ = Date(3000, 12, 31);
        commands.SetasDate(2);
        QString r2c1, r1c2;
        runner_.Queue([&](QDialog& dialog) {
            auto& form = static_cast<TDateDiffForm&>(dialog);
            r2c1 = form.r2c1->text();
            r1c2 = form.r1c2->text();
            QTest::keyClick(form.btnClose, Qt::Key_Escape);
        });
        commands.DisplayDateDifferences();
        QCOMPARE(r2c1, QStringLiteral("518278"));
        QCOMPARE(r1c2, QStringLiteral("-518278"));
        QCOMPARE(runner_.leftOpen, 0);
    }

    // Each opening reads the colours active at that moment.
    void differencesTakeTheColoursActiveWhenOpened() {
        DateCommands commands = Make();
        struct Seen {
            QColor background, header, cell;
        };
        std::vector<Seen> seen;
        const auto look = [&seen](QDialog& dialog) {
            auto& form = static_cast<TDateDiffForm&>(dialog);
            const QImage image = form.grab().toImage();
            const auto under = [&image](const QLabel* label) {
                return image.pixelColor(label->geometry().bottomLeft() + QPoint(3, -2));
            };
            seen.push_back({image.pixelColor(4, 4), under(form.c1), under(form.r2c3)});
            QTest::keyClick(form.btnClose, Qt::Key_F1);
            QTest::keyClick(form.btnClose, Qt::Key_Escape);
        };
        const std::vector<ColorSet> sets{Colors(0xF0CAA6, 0xFFFFFF, 0xE8E8E8),
                                         Colors(0xCCFFFF, 0x99FFCC, 0x80FFFF),
                                         Colors(0xC0C0C0, 0xFFFFFF, 0x808000)};
        for (const ColorSet& set : sets) {
            active_ = set;
            runner_.Queue(look);
            commands.DisplayDateDifferences();
        }
        QCOMPARE(seen.size(), sets.size());
        for (std::size_t i = 0; i < sets.size(); ++i) {
            QCOMPARE(seen[i].background, Expected(sets[i][ColorSet::BackgroundColor]));
            QCOMPARE(seen[i].header, Expected(sets[i][ColorSet::HeaderFaceColor]));
            QCOMPARE(seen[i].cell, Expected(sets[i][ColorSet::DayColor]));
        }
        QCOMPARE(helpTopics_.size(), sets.size());
        QCOMPARE(runner_.leftOpen, 0);
    }

    // The real modal loop, driven from a timer once the dialog is active.
    void realModalGoToDate() {
        DateCommands commands(MakeSeams(nullptr), today_);
        ModalDialogDriver driver([](QDialog& dialog) {
            QTest::keyClicks(dialog.focusWidget(), "20240229");
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
        });
        commands.GotoTypedDate();
        QVERIFY(driver.outcome().acted);
        QVERIFY(!driver.outcome().leftOpen);
        QCOMPARE(jumps_, std::vector<DateSerial>{Date(2024, 2, 29)});
        QCOMPARE(alert_.beeps, 0);
    }

    void realModalDifferencesClosedWithEsc() {
        DateCommands commands(MakeSeams(nullptr), today_);
        QString cell;
        ModalDialogDriver driver([&cell](QDialog& dialog) {
            cell = static_cast<TDateDiffForm&>(dialog).r1c2->text();
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
        });
        commands.DisplayDateDifferences();
        QVERIFY(driver.outcome().acted);
        QVERIFY(!driver.outcome().leftOpen);
        QCOMPARE(cell, QStringLiteral("0"));
        QCOMPARE(alert_.beeps, 0);
    }

    void missingGridCallbacksAreRefusedUpFront() {
        DateCommands::Seams seams = MakeSeams(&runner_);
        seams.setSelectedDate = nullptr;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, DateCommands(seams, today_));
    }
};

}  // namespace tessarine

QTEST_MAIN(tessarine::DateCommandsTest)
#include "date_commands_test.moc"
