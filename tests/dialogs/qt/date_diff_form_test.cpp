// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/date_diff_form.h"

#include <QAccessible>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>
#include <string>
#include <vector>

#include "support/test_dates.h"

namespace tessarine {

namespace {

// Only the three slots the dialog reads differ from zero; the others are
// filled with a colour that must never show.
ColorSet Colors(Color background, Color day, Color headerFace) {
    ColorSet set;
    for (std::size_t slot = 0; slot < ColorSet::kSlotCount; ++slot) {
        set[static_cast<ColorSet::Slot>(slot)] = 0x00FF00FF;
    }
    set[ColorSet::BackgroundColor] = background;
    set[ColorSet::DayColor] = day;
    set[ColorSet::HeaderFaceColor] = headerFace;
    return set;
}

QColor Expected(Color color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace

class DateDiffFormTest : public QObject {
    Q_OBJECT

  private:
    std::vector<std::string> helpTopics_;

    StartMyHelpFn RecordHelp() {
        return [this](const std::string& topic) { helpTopics_.push_back(topic); };
    }

    static QStringList CellTexts(const TDateDiffForm& form) {
        QStringList texts;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) texts << form.Cell(i, j)->text();
        }
        return texts;
    }

    static bool ShowActive(QDialog& dialog) {
        dialog.show();
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog);
    }

  private slots:
    void init() { helpTopics_.clear(); }

    void looksAsDesigned() {
        const DateSerial today = Date(2024, 2, 9);
        TDateDiffForm form(nullptr, today, today, today, Colors(1, 2, 3), RecordHelp());
        QCOMPARE(form.windowTitle(), QStringLiteral("Display Date Differences"));
        QCOMPARE(form.size(), QSize(483, 208));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(form.windowFlags() & Qt::WindowSystemMenuHint));
        QCOMPARE(form.font().pixelSize(), 11);

        const std::vector<std::pair<QLabel*, QPoint>> labels{
            {form.c1, {128, 8}},     {form.c2, {240, 8}},     {form.c3, {352, 8}},
            {form.r1, {16, 40}},     {form.r2, {16, 80}},     {form.r3, {16, 120}},
            {form.r1c1, {128, 40}},  {form.r1c2, {240, 40}},  {form.r1c3, {352, 40}},
            {form.r2c1, {128, 80}},  {form.r2c2, {240, 80}},  {form.r2c3, {352, 80}},
            {form.r3c1, {128, 120}}, {form.r3c2, {240, 120}}, {form.r3c3, {352, 120}}};
        for (const auto& [label, at] : labels) {
            QCOMPARE(label->geometry(), QRect(at, QSize(100, 22)));
            QCOMPARE(label->alignment(), Qt::AlignHCenter | Qt::AlignTop);
            QVERIFY(label->autoFillBackground());
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
        QCOMPARE(form.Bevel1->geometry(), QRect(120, 36, 345, 113));
        QCOMPARE(form.Bevel1->frameShadow(), QFrame::Sunken);
        QCOMPARE(form.btnClose->geometry(), QRect(366, 164, 100, 31));
        QCOMPARE(form.btnClose->text(), QStringLiteral("Close"));
        QVERIFY(!form.btnClose->icon().isNull());

        QVERIFY(ShowActive(form));
        QCOMPARE(QApplication::focusWidget(), form.btnClose);
        QTest::keyClick(form.btnClose, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.btnClose);  // nothing else takes it
    }

    void tableOfTheMarks_data() {
        QTest::addColumn<DateSerial>("date1");
        QTest::addColumn<DateSerial>("date2");
        QTest::addColumn<DateSerial>("date3");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("all today") << Date(2024, 2, 9) << Date(2024, 2, 9) << Date(2024, 2, 9)
                                   << QStringList{"2024-02-09", "2024-02-09", "2024-02-09"}
                                   << QStringList{"0", "0", "0", "0", "0", "0", "0", "0", "0"};
        QTest::newRow("around new year")
            << Date(2024, 1, 1) << Date(2024, 3, 1) << Date(2023, 12, 25)
            << QStringList{"2024-01-01", "2024-03-01", "2023-12-25"}
            << QStringList{"0", "-60", "7", "60", "0", "67", "-7", "-67", "0"};
        QTest::newRow("full span")
            << Date(1582, 1, 1) << Date(3000, 12, 31) << Date(1582, 1, 1)
            << QStringList{"1582-01-01", "3000-12-31", "1582-01-01"}
            << QStringList{"0", "-518278", "0", "518278", "0", "518278", "0", "-518278", "0"};
    }
    void tableOfTheMarks() {
        QFETCH(DateSerial, date1);
        QFETCH(DateSerial, date2);
        QFETCH(DateSerial, date3);
        QFETCH(QStringList, headers);
        QFETCH(QStringList, cells);
        TDateDiffForm form(nullptr, date1, date2, date3, Colors(1, 2, 3), RecordHelp());
        QCOMPARE(QStringList({form.r1->text(), form.r2->text(), form.r3->text()}), headers);
        QCOMPARE(QStringList({form.c1->text(), form.c2->text(), form.c3->text()}), headers);
        QCOMPARE(CellTexts(form), cells);
        // Read out alone, a cell names the dates it lies between.
        QCOMPARE(QAccessible::queryAccessibleInterface(form.r1c2)->text(QAccessible::Name),
                 QStringLiteral("%1 minus %2: %3 days").arg(headers[0], headers[1], cells[1]));
    }

    // The set values as the colour table gives them (0x00BBGGRR).
    void paintsTheActiveColours_data() {
        QTest::addColumn<uint>("background");
        QTest::addColumn<uint>("day");
        QTest::addColumn<uint>("headerFace");
        QTest::newRow("Standard Colors") << 0xF0CAA6u << 0xFFFFFFu << 0xE8E8E8u;
        QTest::newRow("Green and Yellow") << 0xCCFFFFu << 0x99FFCCu << 0x80FFFFu;
        QTest::newRow("Silver and Teal") << 0xC0C0C0u << 0xFFFFFFu << 0x808000u;
    }
    void paintsTheActiveColours() {
        QFETCH(uint, background);
        QFETCH(uint, day);
        QFETCH(uint, headerFace);
        const DateSerial today = Date(2024, 2, 9);
        TDateDiffForm form(nullptr, today, today, today, Colors(background, day, headerFace),
                           RecordHelp());
        form.show();
        const QImage image = form.grab().toImage();
        // Sample below the text, which is drawn at the top of each label.
        const auto colourIn = [&image](const QLabel* label) {
            return image.pixelColor(label->geometry().bottomLeft() + QPoint(3, -2));
        };
        QCOMPARE(image.pixelColor(4, 4), Expected(background));
        QCOMPARE(image.pixelColor(300, 190), Expected(background));
        for (const QLabel* header : {form.c1, form.c2, form.c3, form.r1, form.r2, form.r3}) {
            QCOMPARE(colourIn(header), Expected(headerFace));
        }
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) QCOMPARE(colourIn(form.Cell(i, j)), Expected(day));
        }
    }

    void closeAndEscEndIt_data() {
        QTest::addColumn<QString>("way");
        QTest::addColumn<int>("result");
        QTest::newRow("Close clicked") << QStringLiteral("click") << 1;
        QTest::newRow("Enter on Close") << QStringLiteral("enter") << 1;
        QTest::newRow("Esc") << QStringLiteral("esc") << 2;
    }
    void closeAndEscEndIt() {
        QFETCH(QString, way);
        QFETCH(int, result);
        const DateSerial today = Date(2024, 2, 9);
        TDateDiffForm form(nullptr, today, today, today, Colors(1, 2, 3), RecordHelp());
        QSignalSpy finished(&form, &QDialog::finished);
        QVERIFY(ShowActive(form));
        if (way == "click") {
            QTest::mouseClick(form.btnClose, Qt::LeftButton);
        } else if (way == "enter") {
            QTest::keyClick(form.btnClose, Qt::Key_Return);
        } else {
            QTest::keyClick(form.btnClose, Qt::Key_Escape);
        }
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0).at(0).toInt(), result);
        QVERIFY(!form.isVisible());
    }

    void f1AsksForHelpAndLeavesItOpen() {
        const DateSerial today = Date(2024, 2, 9);
        TDateDiffForm form(nullptr, today, today, today, Colors(1, 2, 3), RecordHelp());
        QVERIFY(ShowActive(form));
        QTest::keyClick(form.btnClose, Qt::Key_F1);
        QCOMPARE(helpTopics_, std::vector<std::string>{"HLP_WEL1"});
        QVERIFY(form.isVisible());
    }
};

}  // namespace tessarine

QTEST_MAIN(tessarine::DateDiffFormTest)
#include "date_diff_form_test.moc"
