// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/qt/julian_calendar_widget.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <utility>

#include "calendar/qt/grid_accessible.h"
#include "calendar/qt/qpainter_canvas.h"
#include "calendar/qt/shaped_texts.h"

namespace tessarine {

namespace {

GridKey ToGridKey(int key) {
    switch (key) {
        case Qt::Key_PageUp:
            return GridKey::PageUp;
        case Qt::Key_PageDown:
            return GridKey::PageDown;
        case Qt::Key_Home:
            return GridKey::Home;
        case Qt::Key_End:
            return GridKey::End;
        case Qt::Key_Left:
            return GridKey::Left;
        case Qt::Key_Right:
            return GridKey::Right;
        case Qt::Key_Up:
            return GridKey::Up;
        case Qt::Key_Down:
            return GridKey::Down;
        default:
            return GridKey::Other;
    }
}

}  // namespace

JulianCalendarWidget::JulianCalendarWidget(QWidget* parent)
    : QWidget(parent), keptTexts_(std::make_unique<ShapedTexts>()) {
    setFocusPolicy(Qt::StrongFocus);
    GridAccessible::Install();
    // Every pixel is painted by the grid itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
    calendar_.OnRepaintRequest = [this] { update(); };
    calendar_.Resize(width(), height());
}

JulianCalendarWidget::~JulianCalendarWidget() = default;

void JulianCalendarWidget::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
}

void JulianCalendarWidget::setLocaleNames(const LocaleNames& names) {
    calendar_.SetLocaleNames(names);
}

void JulianCalendarWidget::setDayNumbers(bool showJulianDayNumber, bool showNone) {
    if (showJulianDayNumber == calendar_.ShowJulianDayNumber() &&
        showNone == calendar_.ShowNone()) {
        return;
    }
    calendar_.SetShowJulianDayNumber(showJulianDayNumber);
    calendar_.SetShowNone(showNone);
    update();
    GridAccessible::NotifyCellDescriptions(this);
}

void JulianCalendarWidget::setEventLines(int year, int month,
                                         std::vector<std::vector<std::string>> linesByDay) {
    setSharedEventLines(
        year, month,
        std::make_shared<const std::vector<std::vector<std::string>>>(std::move(linesByDay)));
}

void JulianCalendarWidget::setSharedEventLines(
    int year, int month, std::shared_ptr<const std::vector<std::vector<std::string>>> linesByDay) {
    calendar_.SetSharedEventLines(year, month, std::move(linesByDay));
    update();
    GridAccessible::NotifyCellDescriptions(this);
}

QString JulianCalendarWidget::eventText(int col, int row) const {
    QStringList lines;
    for (const std::string& line : calendar_.EventLines(col, row)) {
        lines << QString::fromStdString(line);
    }
    return lines.join(QLatin1Char('\n'));
}

bool JulianCalendarWidget::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const std::optional<GridCell> cell =
        calendar_.MouseToCell(Point{help->pos().x(), help->pos().y()});
    const QString text = cell ? eventText(cell->col, cell->row) : QString();
    if (text.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        // Shown as long as the pointer stays inside this cell.
        const Rect r = calendar_.CellRect(cell->col, cell->row);
        QToolTip::showText(help->globalPos(), text, this,
                           QRect(r.left, r.top, r.Width(), r.Height()));
    }
    return true;
}

QSize JulianCalendarWidget::sizeHint() const {
    return QSize(525, 340);
}

void JulianCalendarWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // The grid is laid out left to right in every language, and a right-to-
    // left run would turn the day label "2026 342" into "342 2026".
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.setFont(font());
    QPainterCanvas canvas(painter, palette(), keptTexts_.get());
    calendar_.Paint(canvas);
}

void JulianCalendarWidget::keyPressEvent(QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (event->key() == Qt::Key_F10 && (mods & ~Qt::KeypadModifier) == Qt::ShiftModifier) {
        // The desktop's other menu key, for keyboards without a Menu key.
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(), QCursor::pos(), mods);
        contextMenuEvent(&request);
        event->setAccepted(request.isAccepted());
        return;
    }
    KeyModifiers modifiers;
    modifiers.shift = mods.testFlag(Qt::ShiftModifier);
    modifiers.ctrl = mods.testFlag(Qt::ControlModifier);
    if (calendar_.KeyDown(ToGridKey(event->key()), modifiers)) {
        GridAccessible::NotifyCurrentCell(this);
        event->accept();
    } else {
        // Left for the parent (the window's own keys).
        event->ignore();
    }
}

void JulianCalendarWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        // The right button's menu comes through contextMenuEvent.
        event->accept();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const QPoint at = event->position().toPoint();
    calendar_.MouseDown(MouseButton::Left, Point{at.x(), at.y()});
    GridAccessible::NotifyCurrentCell(this);
    event->accept();
}

void JulianCalendarWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    calendar_.DblClick();
    emit doubleClicked();
    event->accept();
}

void JulianCalendarWidget::wheelEvent(QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    const QPoint pixels = event->pixelDelta();
    KeyModifiers modifiers;
    modifiers.shift = event->modifiers().testFlag(Qt::ShiftModifier);
    calendar_.MouseWheel(WheelDelta{angle.x(), angle.y(), pixels.x(), pixels.y()}, modifiers);
    GridAccessible::NotifyCurrentCell(this);
    // The grid owns the wheel: the window around it never scrolls.
    event->accept();
}

void JulianCalendarWidget::contextMenuEvent(QContextMenuEvent* event) {
    if (popupMenu_ == nullptr) {
        event->ignore();
        return;
    }
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard: open at the current cell rather than the pointer.
        const Rect cell = calendar_.CellRect(calendar_.Col(), calendar_.Row());
        at = mapToGlobal(QPoint(cell.left + cell.Width() / 2, cell.top + cell.Height() / 2));
    }
    popupMenu_->popup(at);
    event->accept();
}

void JulianCalendarWidget::resizeEvent(QResizeEvent* event) {
    calendar_.Resize(event->size().width(), event->size().height());
}

void JulianCalendarWidget::focusInEvent(QFocusEvent* event) {
    calendar_.SetFocused(true);
    QWidget::focusInEvent(event);
    GridAccessible::NotifyCurrentCell(this);
}

void JulianCalendarWidget::focusOutEvent(QFocusEvent* event) {
    // The grid stays its window's active control while the window is in the
    // background or a menu is open; it then keeps its focused look.
    const Qt::FocusReason reason = event->reason();
    calendar_.SetFocused(reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason);
    QWidget::focusOutEvent(event);
}

}  // namespace tessarine
