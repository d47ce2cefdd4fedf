// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessibleWidget>
#include <array>

namespace tessarine {

class JulianCalendarWidget;

// The month grid for screen readers: a table of 7 x 7 cells (the weekday
// header row, then six week rows), each day cell named by its full date in
// the user's locale and described by the day number the grid shows under it and the
// lines of the user's events on that day.
// The grid's own accessible name is the month caption the window sets.
class GridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    static constexpr int kSide = 7;

    explicit GridAccessible(JulianCalendarWidget* grid);
    ~GridAccessible() override;

    // Hands Qt this interface for every grid widget; called once per run.
    static void Install();
    // Tells screen readers the current cell has moved or changed.
    static void NotifyCurrentCell(JulianCalendarWidget* grid);
    // Tells screen readers every day cell's description has changed.
    static void NotifyCellDescriptions(JulianCalendarWidget* grid);

    const JulianCalendarWidget& Grid() const;
    QString CellName(int row, int column) const;
    QString CellDescription(int row, int column) const;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override { return kSide * kSide; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 1; }
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override { return CellName(0, column); }
    QString rowDescription(int /*row*/) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kSide; }
    int rowCount() const override { return kSide; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

  private:
    // Cells are made once and live as long as this interface; Qt's registry
    // holds them by these ids.
    mutable std::array<QAccessible::Id, kSide * kSide> cellIds_{};
};

}  // namespace tessarine
