// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/enter_date_form.h"

#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/qt/qt_color.h"

namespace tessarine {

class EnterDateFormTest : public QObject {
    Q_OBJECT

  private:
    // What the go-to-date command puts there before it opens the dialog.
    std::string entered_ = "      ";
    std::vector<std::string> helpTopics_;

    StartMyHelpFn RecordHelp() {
        return [this](const std::string& topic) { helpTopics_.push_back(topic); };
    }

    static bool ShowActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog);
    }

  private slots:
    void init() {
        entered_ = "      ";
        helpTopics_.clear();
    }

    void looksAsDesigned() {
        TenterDateForm form(nullptr, entered_, RecordHelp());
        QCOMPARE(form.windowTitle(), QStringLiteral("Go to a date"));
        QCOMPARE(form.size(), QSize(307, 124));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(form.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(form.font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(form.font().pixelSize(), 11);

        QCOMPARE(form.Label1->text(), QStringLiteral("Please enter date as YYYYMMDD"));
        QCOMPARE(form.Label1->pos(), QPoint(16, 16));
        QCOMPARE(form.edNewDate->geometry(), QRect(32, 40, 257, 21));
        QCOMPARE(form.edNewDate->maxLength(), 8);
        QVERIFY(form.edNewDate->text().isEmpty());
        // A screen reader names the field by its label.
        QCOMPARE(QAccessible::queryAccessibleInterface(form.edNewDate)->text(QAccessible::Name),
                 form.Label1->text());
        QCOMPARE(form.btnCancel->geometry(), QRect(80, 80, 100, 31));
        QCOMPARE(form.btnCancel->text(), QStringLiteral("Cancel"));
        // Red, in the shade that reads on the theme's button face.
        const QPalette cancel = form.btnCancel->palette();
        QCOMPARE(cancel.color(QPalette::ButtonText),
                 ToQColor(ReadableTint(FromQColor(cancel.color(QPalette::Button)), kRed)));
        QVERIFY(!form.btnCancel->font().bold());
        QCOMPARE(form.btnOK->geometry(), QRect(192, 80, 100, 31));
        QCOMPARE(form.btnOK->text(), QStringLiteral("OK"));
        QVERIFY(form.btnOK->font().bold());
        QVERIFY(form.btnOK->isDefault());
        QVERIFY(!form.btnOK->icon().isNull());
        QVERIFY(!form.btnCancel->icon().isNull());
    }

    void opensWithTheFocusInTheEditThenTabsToCancelAndOK() {
        TenterDateForm form(nullptr, entered_, RecordHelp());
        QVERIFY(ShowActive(form));
        QCOMPARE(QApplication::focusWidget(), form.edNewDate);
        QTest::keyClick(form.edNewDate, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.btnCancel);
        QTest::keyClick(form.btnCancel, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.btnOK);
    }

    void keepsAtMostEightCharactersTypedOrPasted() {
        TenterDateForm form(nullptr, entered_, RecordHelp());
        QVERIFY(ShowActive(form));
        QTest::keyClicks(form.edNewDate, "202402299");
        QCOMPARE(form.edNewDate->text(), QStringLiteral("20240229"));
        form.edNewDate->clear();
        QApplication::clipboard()->setText(QStringLiteral("3000123199"));
        QTest::keySequence(form.edNewDate, QKeySequence::Paste);
        QCOMPARE(form.edNewDate->text(), QStringLiteral("30001231"));
    }

    void enterInTheEditConfirmsTheTextUnchanged() {
        TenterDateForm form(nullptr, entered_, RecordHelp());
        QSignalSpy finished(&form, &QDialog::finished);
        QVERIFY(ShowActive(form));
        QTest::keyClicks(form.edNewDate, " 2024 1 ");
        QTest::keyClick(form.edNewDate, Qt::Key_Return);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 1);
        QVERIFY(!form.isVisible());
        QCOMPARE(entered_, std::string(" 2024 1 "));  // no trimming
    }

    void okWithAnEmptyFieldConfirmsAnEmptyText() {
        TenterDateForm form(nullptr, entered_, RecordHelp());
        QVERIFY(ShowActive(form));
        QTest::mouseClick(form.btnOK, Qt::LeftButton);
        QCOMPARE(form.result(), 1);
        QCOMPARE(entered_, std::string());
    }

    // Every way out other than OK ends with 2 and leaves the text as it was.
    void cancelWays_data() {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel button") << QStringLiteral("click");
        QTest::newRow("Esc in the edit") << QStringLiteral("esc");
        QTest::newRow("Esc on OK") << QStringLiteral("esc-on-ok");
        QTest::newRow("Enter on Cancel") << QStringLiteral("enter-on-cancel");
        QTest::newRow("close box") << QStringLiteral("close");
    }
    void cancelWays() {
        QFETCH(QString, way);
        TenterDateForm form(nullptr, entered_, RecordHelp());
        QSignalSpy finished(&form, &QDialog::finished);
        QVERIFY(ShowActive(form));
        QTest::keyClicks(form.edNewDate, "20240229");
        if (way == "click") {
            QTest::mouseClick(form.btnCancel, Qt::LeftButton);
        } else if (way == "esc") {
            QTest::keyClick(form.edNewDate, Qt::Key_Escape);
        } else if (way == "esc-on-ok") {
            form.btnOK->setFocus();
            QTest::keyClick(form.btnOK, Qt::Key_Escape);
        } else if (way == "enter-on-cancel") {
            form.btnCancel->setFocus();
            QTest::keyClick(form.btnCancel, Qt::Key_Return);
        } else {
            QVERIFY(form.close());
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), 2);
        QVERIFY(!form.isVisible());
        QCOMPARE(entered_, std::string("      "));
    }

    void f1AsksForHelpAndLeavesTheDialogOpen() {
        TenterDateForm form(nullptr, entered_, RecordHelp());
        QSignalSpy finished(&form, &QDialog::finished);
        QVERIFY(ShowActive(form));
        QTest::keyClicks(form.edNewDate, "2024");
        QTest::keyClick(form.edNewDate, Qt::Key_F1);
        QCOMPARE(helpTopics_, std::vector<std::string>{"HLP_WEL1"});
        QVERIFY(form.isVisible());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(form.edNewDate->text(), QStringLiteral("2024"));
        // F1 on a button is previewed by the dialog too.
        form.btnCancel->setFocus();
        QTest::keyClick(form.btnCancel, Qt::Key_F1);
        QCOMPARE(helpTopics_.size(), std::size_t{2});
        QVERIFY(form.isVisible());
    }

    void aFailingHelpPageIsIgnored() {
        TenterDateForm form(nullptr, entered_,
                            [](const std::string&) { throw std::runtime_error("no shell"); });
        QVERIFY(ShowActive(form));
        QTest::keyClick(form.edNewDate, Qt::Key_F1);
        QVERIFY(form.isVisible());
        QTest::keyClicks(form.edNewDate, "20240229");
        QTest::keyClick(form.edNewDate, Qt::Key_Enter);  // the keypad's Enter too
        QCOMPARE(form.result(), 1);
        QCOMPARE(entered_, std::string("20240229"));
    }
};

}  // namespace tessarine

QTEST_MAIN(tessarine::EnterDateFormTest)
#include "enter_date_form_test.moc"
