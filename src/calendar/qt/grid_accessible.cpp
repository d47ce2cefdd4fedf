// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/qt/grid_accessible.h"

#include <QDate>
#include <QLocale>

#include "calendar/qt/julian_calendar_widget.h"

namespace tessarine {

namespace {

class GridCellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
  public:
    GridCellAccessible(GridAccessible* table, int row, int column)
        : table_(table), row_(row), column_(column) {}

    bool isValid() const override { return table_->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return table_; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                return table_->CellName(row_, column_);
            case QAccessible::Description:
                return table_->CellDescription(row_, column_);
            default:
                return {};
        }
    }
    QAccessible::Role role() const override {
        return row_ == 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        const JulianCalendarWidget& grid = table_->Grid();
        state.focusable = row_ > 0;
        state.selectable = row_ > 0;
        state.selected = isSelected();
        state.focused = state.selected && grid.hasFocus();
        return state;
    }
    QRect rect() const override {
        const JulianCalendarWidget& grid = table_->Grid();
        const Rect r = grid.calendar().CellRect(column_, row_);
        return QRect(grid.mapToGlobal(QPoint(r.left, r.top)), QSize(r.Width(), r.Height()));
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override {
        const TJulianCalendar& calendar = table_->Grid().calendar();
        return row_ == calendar.Row() && column_ == calendar.Col();
    }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return row_ == 0 ? QList<QAccessibleInterface*>{} : QList{table_->cellAt(0, column_)};
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return table_; }

  private:
    GridAccessible* table_;
    int row_;
    int column_;
};

QAccessibleInterface* GridFactory(const QString& className, QObject* object) {
    if (className != QLatin1String("tessarine::JulianCalendarWidget")) return nullptr;
    if (auto* grid = qobject_cast<JulianCalendarWidget*>(object)) return new GridAccessible(grid);
    return nullptr;
}

}  // namespace

GridAccessible::GridAccessible(JulianCalendarWidget* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

GridAccessible::~GridAccessible() {
    for (const QAccessible::Id id : cellIds_) {
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
    }
}

void GridAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
}

void GridAccessible::NotifyCurrentCell(JulianCalendarWidget* grid) {
    if (!QAccessible::isActive()) return;
    const TJulianCalendar& calendar = grid->calendar();
    const int index = calendar.Row() * kSide + calendar.Col();
    if (grid->hasFocus()) {
        QAccessibleEvent focus(grid, QAccessible::Focus);
        focus.setChild(index);
        QAccessible::updateAccessibility(&focus);
    }
    QAccessibleEvent selection(grid, QAccessible::Selection);
    selection.setChild(index);
    QAccessible::updateAccessibility(&selection);
}

void GridAccessible::NotifyCellDescriptions(JulianCalendarWidget* grid) {
    if (!QAccessible::isActive()) return;
    for (int index = kSide; index < kSide * kSide; ++index) {
        QAccessibleEvent changed(grid, QAccessible::DescriptionChanged);
        changed.setChild(index);
        QAccessible::updateAccessibility(&changed);
    }
}

const JulianCalendarWidget& GridAccessible::Grid() const {
    return *static_cast<const JulianCalendarWidget*>(object());
}

QString GridAccessible::CellName(int row, int column) const {
    const TJulianCalendar& calendar = Grid().calendar();
    if (row == 0) return QString::fromStdString(calendar.CellCaption(column, 0));
    const int day = calendar.CellDay(column, row);
    if (day < 1 || day > calendar.CurrentMonthLength()) return {};
    return QLocale().toString(QDate(calendar.Year(), calendar.Month(), day), QLocale::LongFormat);
}

QString GridAccessible::CellDescription(int row, int column) const {
    // The day's events follow its number, so that they are read with the date.
    QStringList parts;
    const QString number = QString::fromStdString(Grid().calendar().DayNumberCaption(column, row));
    if (!number.isEmpty()) parts << number;
    const QString events = Grid().eventText(column, row);
    if (!events.isEmpty()) parts << events;
    return parts.join(QLatin1Char('\n'));
}

void* GridAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* GridAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    QAccessible::Id& id = cellIds_[static_cast<std::size_t>(index)];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new GridCellAccessible(
            const_cast<GridAccessible*>(this), index / kSide, index % kSide));
    }
    return QAccessible::accessibleInterface(id);
}

int GridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < childCount(); ++i) {
        const QAccessible::Id id = cellIds_[static_cast<std::size_t>(i)];
        if (id != 0 && QAccessible::accessibleInterface(id) == child) return i;
    }
    return -1;
}

QAccessibleInterface* GridAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= kSide || column < 0 || column >= kSide) return nullptr;
    return child(row * kSide + column);
}

QAccessibleInterface* GridAccessible::childAt(int x, int y) const {
    const JulianCalendarWidget& grid = Grid();
    const QPoint at = grid.mapFromGlobal(QPoint(x, y));
    if (const std::optional<GridCell> cell = grid.calendar().MouseToCell(Point{at.x(), at.y()})) {
        return cellAt(cell->row, cell->col);
    }
    return nullptr;
}

QAccessibleInterface* GridAccessible::focusChild() const {
    const TJulianCalendar& calendar = Grid().calendar();
    return Grid().hasFocus() ? cellAt(calendar.Row(), calendar.Col()) : nullptr;
}

QList<QAccessibleInterface*> GridAccessible::selectedCells() const {
    const TJulianCalendar& calendar = Grid().calendar();
    return {cellAt(calendar.Row(), calendar.Col())};
}

}  // namespace tessarine
