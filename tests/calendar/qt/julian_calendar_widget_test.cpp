// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/qt/julian_calendar_widget.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QToolTip>
#include <QWheelEvent>
#include <QtTest>

#include "calendar/fixed_color_sets.h"

using tessarine::EncodeDateSerial;
using tessarine::JulianCalendarWidget;
using tessarine::kGreenAndYellowColors;
using tessarine::kStandardColors;

namespace {

// The window around the grid; it sees the keys the grid leaves alone.
class HostWindow : public QWidget {
  public:
    HostWindow() {
        QFont font("Liberation Sans");
        font.setPixelSize(14);
        setFont(font);
        resize(560, 420);
        grid = new JulianCalendarWidget(this);
        grid->setGeometry(8, 38, 530, 340);  // cells 75 x 48
        grid->calendar().SetGridLineWidth(0);
        edit = new QLineEdit(this);
        edit->setGeometry(8, 385, 100, 24);
    }

    QList<int> keys;
    JulianCalendarWidget* grid = nullptr;
    QLineEdit* edit = nullptr;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        keys.append(event->key());
        event->accept();
    }
};

QPoint CentreOf(const JulianCalendarWidget& grid, int col, int row) {
    const tessarine::Rect r = grid.calendar().CellRect(col, row);
    return QPoint(r.left + r.Width() / 2, r.top + r.Height() / 2);
}

QRgb Rgb(tessarine::Color c) {
    return qRgb(tessarine::RedOf(c), tessarine::GreenOf(c), tessarine::BlueOf(c));
}

}  // namespace

class JulianCalendarWidgetTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        host = std::make_unique<HostWindow>();
        host->show();
        QVERIFY(QTest::qWaitForWindowExposed(host.get()));
        host->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(host.get()));
        host->grid->setFocus();
        QVERIFY(host->grid->hasFocus());
        calendar().SetSelectedDate(EncodeDateSerial(2025, 3, 15));
    }

    void cleanup() { host.reset(); }

    void pageUpReachesTheGrid() {
        QTest::keyClick(host->grid, Qt::Key_PageUp);
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2025, 4, 15));
        QTest::keyClick(host->grid, Qt::Key_PageUp, Qt::ShiftModifier);
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2026, 4, 15));
        QTest::keyClick(host->grid, Qt::Key_Left);
        QTest::keyClick(host->grid, Qt::Key_Up);
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2026, 4, 7));
        // Only the bare Shift press that QTest sends around the modified key.
        QCOMPARE(host->keys, (QList<int>{Qt::Key_Shift}));
    }

    void unconsumedKeysReachTheWindow() {
        QTest::keyClick(host->grid, Qt::Key_Escape);
        QTest::keyClick(host->grid, Qt::Key_F1);
        QTest::keyClick(host->grid, Qt::Key_A);
        QCOMPARE(host->keys, (QList<int>{Qt::Key_Escape, Qt::Key_F1, Qt::Key_A}));
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2025, 3, 15));
    }

    void tabLeavesTheGrid() {
        QTest::keyClick(host->grid, Qt::Key_Tab);
        QVERIFY(host->edit->hasFocus());
        QVERIFY(!calendar().Focused());
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2025, 3, 15));
    }

    void leftClickSelectsADayAndTakesTheFocus() {
        host->edit->setFocus();
        QVERIFY(!calendar().Focused());
        QTest::mouseClick(host->grid, Qt::LeftButton, {}, CentreOf(*host->grid, 6, 1));
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2025, 3, 1));
        QVERIFY(host->grid->hasFocus());
        QVERIFY(calendar().Focused());
        // A blank cell and the header keep the selection.
        QTest::mouseClick(host->grid, Qt::LeftButton, {}, CentreOf(*host->grid, 0, 1));
        QTest::mouseClick(host->grid, Qt::LeftButton, {}, CentreOf(*host->grid, 3, 0));
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2025, 3, 1));
    }

    void rightClickOpensTheMenuAndKeepsTheSelection() {
        QMenu menu;
        menu.addAction("Go to Date...");
        host->grid->setPopupMenu(&menu);
        const QPoint at = CentreOf(*host->grid, 6, 1);
        // Through the window, as the platform delivers it: the toolkit turns
        // the right press into a context-menu request.
        QTest::mouseClick(host->windowHandle(), Qt::RightButton, {},
                          host->grid->mapTo(host.get(), at));
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(menu.pos(), host->grid->mapToGlobal(at));
        menu.hide();
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2025, 3, 15));

        // Without a menu the request is left to the window.
        host->grid->setPopupMenu(nullptr);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, host->grid->mapToGlobal(at));
        QApplication::sendEvent(host->grid, &event);
        QVERIFY(!event.isAccepted());
    }

    void shiftF10OpensTheMenuAtTheCurrentDay() {
        QMenu menu;
        menu.addAction("Go to Date...");
        host->grid->setPopupMenu(&menu);
        QTest::keyClick(host->grid, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(menu.isVisible());
        // March 15th 2025: the Saturday of the third week row.
        QCOMPARE(menu.pos(), host->grid->mapToGlobal(CentreOf(*host->grid, 6, 3)));
        menu.hide();
        QCOMPARE(host->keys, (QList<int>{Qt::Key_Shift}));
    }

    void rightToLeftLayoutKeepsTheTextsInOrder() {
        calendar().SetColors(kGreenAndYellowColors);
        const QImage leftToRight = host->grid->grab().toImage();
        // As in an Arabic or Hebrew session.
        QApplication::setLayoutDirection(Qt::RightToLeft);
        const QImage rightToLeft = host->grid->grab().toImage();
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QCOMPARE(rightToLeft, leftToRight);
    }

    void screenReadersSeeATableOfNamedDays() {
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(host->grid);
        QCOMPARE(grid->role(), QAccessible::Table);
        QAccessibleTableInterface* table = grid->tableInterface();
        QVERIFY(table != nullptr);
        QCOMPARE(table->rowCount() * table->columnCount(), grid->childCount());
        const auto longDate = [](int day) {
            return QLocale().toString(QDate(2025, 3, day), QLocale::LongFormat);
        };
        // March 15th 2025: the Saturday of the third week row.
        QAccessibleInterface* current = grid->focusChild();
        QCOMPARE(current, table->cellAt(3, 6));
        QCOMPARE(current->text(QAccessible::Name), longDate(15));
        QVERIFY(current->state().focused && current->state().selected);
        QCOMPARE(table->cellAt(0, 6)->role(), QAccessible::ColumnHeader);
        QVERIFY(table->cellAt(1, 0)->text(QAccessible::Name).isEmpty());  // before the 1st

        QTest::keyClick(host->grid, Qt::Key_Right);
        QCOMPARE(grid->focusChild()->text(QAccessible::Name), longDate(16));
        QVERIFY(!current->state().selected);
    }

    void screenReadersHearTheNumberUnderEachDay() {
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(host->grid)->tableInterface();
        struct Choice {
            bool julian;
            bool none;
            QString fifteenth;  // under March 15th 2025
            QString first;
        };
        const Choice choices[] = {{true, false, "2460750", "2460736"},
                                  {true, true, "", ""},
                                  {false, false, "2025 074", "2025 060"}};
        for (const Choice& c : choices) {
            host->grid->setDayNumbers(c.julian, c.none);
            QCOMPARE(table->cellAt(3, 6)->text(QAccessible::Description), c.fifteenth);
            QCOMPARE(table->cellAt(1, 6)->text(QAccessible::Description), c.first);
            // A blank cell and the header have no number.
            QVERIFY(table->cellAt(1, 0)->text(QAccessible::Description).isEmpty());
            QVERIFY(table->cellAt(0, 6)->text(QAccessible::Description).isEmpty());
        }
    }

    // The event's angle and Shift reach the grid; the rules are the model's.
    void wheelTurnsReachTheGrid() {
        const auto turn = [this](QPoint angle, Qt::KeyboardModifiers modifiers) {
            const QPointF at = CentreOf(*host->grid, 3, 3);
            QWheelEvent event(at, host->grid->mapToGlobal(at), QPoint(), angle, Qt::NoButton,
                              modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(host->grid, &event);
            QVERIFY(event.isAccepted());
        };
        turn(QPoint(0, -120), Qt::NoModifier);
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2025, 4, 15));
        turn(QPoint(0, 120), Qt::ShiftModifier);
        QCOMPARE(calendar().SelectedDate(), EncodeDateSerial(2024, 4, 15));
    }

    // The day's events follow its number for screen readers and fill its
    // tooltip; days without events, and other months, have none.
    void eventsReachTheTooltipAndTheDescription() {
        std::vector<std::vector<std::string>> days(31);
        days[14] = {"Holiday", "09:30 Dentist"};
        host->grid->setEventLines(2025, 3, days);
        QAccessibleTableInterface* table =
            QAccessible::queryAccessibleInterface(host->grid)->tableInterface();
        struct Case {
            bool julian;
            bool none;
            QString fifteenth;
        };
        const Case cases[] = {{false, false, "2025 074\nHoliday\n09:30 Dentist"},
                              {true, false, "2460750\nHoliday\n09:30 Dentist"},
                              {false, true, "Holiday\n09:30 Dentist"}};
        for (const Case& c : cases) {
            host->grid->setDayNumbers(c.julian, c.none);
            QCOMPARE(table->cellAt(3, 6)->text(QAccessible::Description), c.fifteenth);
            QCOMPARE(table->cellAt(1, 6)->text(QAccessible::Description),
                     c.none ? QString() : host->grid->calendar().DayNumberCaption(6, 1).c_str());
        }
        const auto tooltip = [this](int col, int row) {
            const QPoint at = CentreOf(*host->grid, col, row);
            QHelpEvent help(QEvent::ToolTip, at, host->grid->mapToGlobal(at));
            QApplication::sendEvent(host->grid, &help);
            return help.isAccepted() ? QToolTip::text() : QString();
        };
        QCOMPARE(tooltip(6, 3), QStringLiteral("Holiday\n09:30 Dentist"));
        QCOMPARE(tooltip(6, 1), QString());

        calendar().NextMonth();
        QVERIFY(table->cellAt(3, 6)->text(QAccessible::Description).indexOf("Holiday") < 0);
        QCOMPARE(tooltip(6, 3), QString());
    }

    void doubleClickIsSignalled() {
        QSignalSpy spy(host->grid, &JulianCalendarWidget::doubleClicked);
        int events = 0;
        calendar().OnDblClick = [&](tessarine::TJulianCalendar&) { ++events; };
        QTest::mouseDClick(host->grid, Qt::LeftButton, {}, CentreOf(*host->grid, 6, 2));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(events, 1);
    }

    void paintsTheGridColours() {
        calendar().SetColors(kGreenAndYellowColors);
        calendar().SetSelectedDate(EncodeDateSerial(2025, 2, 14));  // current cell 5,3
        const QImage focused = Render();
        // The strips right of and below the cells.
        QCOMPARE(focused.pixel(527, 100), Rgb(0xCCFFFF));
        QCOMPARE(focused.pixel(100, 338), Rgb(0xCCFFFF));
        // A day cell, a blank cell, the header: its corner and its ellipse.
        QCOMPARE(focused.pixel(515, 60), Rgb(0x99FFCC));
        QCOMPARE(focused.pixel(30, 70), Rgb(0xCCFFFF));
        QCOMPARE(focused.pixel(1, 1), Rgb(0xCCFFFF));
        QCOMPARE(focused.pixel(15, 24), Rgb(0x80FFFF));
        // The focused day, and its dotted outline inverting the 2-pixel gap.
        QCOMPARE(focused.pixel(440, 155), Rgb(0x800000));
        QCOMPARE(focused.pixel(376, 144), Rgb(0x330000));
        QCOMPARE(focused.pixel(377, 144), Rgb(0xCCFFFF));

        host->edit->setFocus();
        const QImage unfocused = Render();
        QCOMPARE(unfocused.pixel(440, 155), Rgb(0x800000));
        QCOMPARE(unfocused.pixel(376, 144), Rgb(0xCCFFFF));
    }

    void paintsBevelsInTheStandardColours() {
        calendar().SetColors(kStandardColors);
        calendar().SetSelectedDate(EncodeDateSerial(2025, 2, 14));
        const QImage image = Render();
        QCOMPARE(image.pixel(10, 24), Rgb(0xE8E8E8));   // header face
        QCOMPARE(image.pixel(10, 1), Rgb(0x000000));    // header bevel, top
        QCOMPARE(image.pixel(74, 24), Rgb(0xC0C0C0));   // and right
        QCOMPARE(image.pixel(460, 49), Rgb(0x000000));  // day cell bevel, top
        QCOMPARE(image.pixel(515, 60), Rgb(0xFFFFFF));
        QCOMPARE(image.pixel(100, 338), Rgb(0xF0CAA6));
    }

    void resizingResizesTheCells() {
        host->grid->resize(600, 400);
        QCOMPARE(calendar().ColWidth(), 85);
        QCOMPARE(calendar().RowHeight(), 57);
    }

  private:
    tessarine::TJulianCalendar& calendar() { return host->grid->calendar(); }

    QImage Render() {
        QImage image(host->grid->size(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        host->grid->render(&image);
        return image;
    }

    std::unique_ptr<HostWindow> host;
};

QTEST_MAIN(JulianCalendarWidgetTest)
#include "julian_calendar_widget_test.moc"
