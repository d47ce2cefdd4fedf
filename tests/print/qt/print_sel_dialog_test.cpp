// SPDX-License-Identifier: GPL-3.0-or-later
// The print-format dialog: its controls as designed, and what each way of
// closing it writes into the job.

#include "print/qt/print_sel_dialog.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "platform/qt/qt_color.h"

using namespace tessarine;

class PrintSelDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void controlsAreWhereTheDesignPutsThem() {
        PrintJobState job;
        TprintSelDialog dialog(nullptr, job, {});
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Print Calendar Pages"));
        QCOMPARE(dialog.size(), QSize(307, 179));
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QCOMPARE(dialog.font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(dialog.font().pixelSize(), 11);
        // The longest label stays inside the fixed client.
        QVERIFY(dialog.Label2->geometry().right() < dialog.width());
        // A screen reader announces each list with its label.
        for (const auto& [list, label] : {std::pair{dialog.cbPageFormat, dialog.Label1},
                                          std::pair{dialog.cbConsecutivePages, dialog.Label2}}) {
            const auto relations =
                QAccessible::queryAccessibleInterface(list)->relations(QAccessible::Label);
            QCOMPARE(relations.size(), 1);
            QCOMPARE(relations.front().first->object(), label);
        }

        QCOMPARE(dialog.Label1->text(), QStringLiteral("1) Select Page Format  -"));
        QCOMPARE(dialog.Label1->pos(), QPoint(16, 16));
        QCOMPARE(dialog.Label2->text(),
                 QStringLiteral("2) Select number of consecutive pages to print --"));
        QCOMPARE(dialog.Label2->pos(), QPoint(16, 72));

        QCOMPARE(dialog.cbPageFormat->pos(), QPoint(32, 40));
        QCOMPARE(dialog.cbPageFormat->width(), 257);
        QVERIFY(!dialog.cbPageFormat->isEditable());
        QCOMPARE(dialog.cbPageFormat->count(), 12);
        QCOMPARE(dialog.cbPageFormat->maxVisibleItems(), 12);
        QCOMPARE(dialog.cbPageFormat->currentIndex(), 0);
        QCOMPARE(dialog.cbPageFormat->itemText(0), QStringLiteral("Monthly View"));
        QCOMPARE(dialog.cbPageFormat->itemText(7), QStringLiteral("Two Day Planner (wide format)"));
        QCOMPARE(dialog.cbPageFormat->itemText(11), QStringLiteral("Year Planner (wide format)"));

        QCOMPARE(dialog.cbConsecutivePages->pos(), QPoint(32, 96));
        QCOMPARE(dialog.cbConsecutivePages->width(), 257);
        QCOMPARE(dialog.cbConsecutivePages->count(), 13);
        QCOMPARE(dialog.cbConsecutivePages->itemText(0), QStringLiteral("1"));
        QCOMPARE(dialog.cbConsecutivePages->itemText(12), QStringLiteral("13"));
        QCOMPARE(dialog.cbConsecutivePages->currentIndex(), 0);

        QCOMPARE(dialog.btnCancel->text(), QStringLiteral("Cancel"));
        QCOMPARE(dialog.btnCancel->geometry(), QRect(80, 136, 100, 31));
        // Red, in the shade that reads on the theme's button face.
        const QPalette cancel = dialog.btnCancel->palette();
        QCOMPARE(cancel.color(QPalette::ButtonText),
                 ToQColor(ReadableTint(FromQColor(cancel.color(QPalette::Button)), kRed)));
        QVERIFY(!dialog.btnCancel->icon().isNull());
        QCOMPARE(dialog.btnOK->text(), QStringLiteral("Print"));
        QCOMPARE(dialog.btnOK->geometry(), QRect(192, 136, 100, 31));
        QVERIFY(dialog.btnOK->font().bold());
        QVERIFY(!dialog.btnOK->icon().isNull());
    }

    void printWritesTheChoice() {
        PrintJobState job;
        TprintSelDialog dialog(nullptr, job, {});
        dialog.show();
        dialog.cbPageFormat->setCurrentIndex(5);
        dialog.cbConsecutivePages->setCurrentIndex(12);
        QTest::mouseClick(dialog.btnOK, Qt::LeftButton);
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(job.PrintFormatIndex, 5);
        QCOMPARE(job.PrintPagesLeft, 12);
        QVERIFY(!dialog.isVisible());
    }

    void cancelAndTheCloseBoxClear() {
        PrintJobState job{0, 3, 4};
        TprintSelDialog dialog(nullptr, job, {});
        dialog.show();
        QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
        QCOMPARE(dialog.result(), 2);
        QCOMPARE(job.PrintFormatIndex, -1);
        QCOMPARE(job.PrintPagesLeft, -1);

        PrintJobState closed;
        TprintSelDialog other(nullptr, closed, {});
        other.show();
        QVERIFY(other.close());
        QCOMPARE(other.result(), 2);
    }

    void escapeCancelsAndFOneAsksForHelpFromAnyControl() {
        PrintJobState job;
        QStringList topics;
        TprintSelDialog dialog(nullptr, job, [&topics](const std::string& topic) {
            topics << QString::fromStdString(topic);
        });
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.cbConsecutivePages->setFocus();

        QTest::keyClick(dialog.cbConsecutivePages, Qt::Key_F1);
        QCOMPARE(topics, QStringList{"HLP_WEL1"});
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);

        // Other keys reach the control.
        QTest::keyClick(dialog.cbConsecutivePages, Qt::Key_Down);
        QCOMPARE(dialog.cbConsecutivePages->currentIndex(), 1);

        QTest::keyClick(dialog.cbConsecutivePages, Qt::Key_Escape);
        QCOMPARE(dialog.result(), 2);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(job.PrintFormatIndex, -1);  // as the command left it
        QCOMPARE(job.PrintPagesLeft, -1);
    }

    void aFailingHelpLeavesTheDialogOpen() {
        PrintJobState job;
        TprintSelDialog dialog(nullptr, job,
                               [](const std::string&) { throw std::runtime_error("no browser"); });
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_F1);
        QVERIFY(dialog.isVisible());
    }

    void enterPrintsTheSelection() {
        PrintJobState job;
        TprintSelDialog dialog(nullptr, job, {});
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.cbPageFormat->setFocus();
        QTest::keyClick(dialog.cbPageFormat, Qt::Key_Down);
        QTest::keyClick(dialog.cbPageFormat, Qt::Key_Return);
        QCOMPARE(dialog.result(), 1);
        QCOMPARE(job.PrintFormatIndex, 1);
        QCOMPARE(job.PrintPagesLeft, 0);
    }
};

QTEST_MAIN(PrintSelDialogTest)
#include "print_sel_dialog_test.moc"
