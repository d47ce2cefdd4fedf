// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "calendar/julian_calendar.h"
#include "calendar/locale_names.h"

class QMenu;

namespace tessarine {

class ShapedTexts;

// The month grid as a Qt widget: forwards keys, presses, resizes and focus
// changes to the core grid and paints it through a QPainterCanvas in the
// widget's (inherited) font. The widget takes the focus (not by Tab moves out
// of it: Tab is never consumed).
class JulianCalendarWidget : public QWidget {
    Q_OBJECT
  public:
    explicit JulianCalendarWidget(QWidget* parent = nullptr);
    ~JulianCalendarWidget() override;

    TJulianCalendar& calendar() { return calendar_; }
    const TJulianCalendar& calendar() const { return calendar_; }

    // Opened at the mouse by a right click; the selection stays.
    void setPopupMenu(QMenu* menu);
    // Header day names (abbreviated weekday names of the user's locale).
    void setLocaleNames(const LocaleNames& names);
    // The number under each day: the Julian Day Number, none (wins), or the
    // day of the year. Repaints and tells screen readers.
    void setDayNumbers(bool showJulianDayNumber, bool showNone);

    // The user's events of one month, lines per day (index 0 the 1st): a
    // mark in each day that has any, the lines in its tooltip and after its
    // description. Repaints and tells screen readers.
    void setEventLines(int year, int month, std::vector<std::vector<std::string>> linesByDay);
    // The same, sharing lines their maker keeps unchanged.
    void setSharedEventLines(
        int year, int month,
        std::shared_ptr<const std::vector<std::vector<std::string>>> linesByDay);
    // A day cell's event lines as one text, a line each; empty without.
    QString eventText(int col, int row) const;

    QSize sizeHint() const override;

  signals:
    void doubleClicked();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    TJulianCalendar calendar_;
    QMenu* popupMenu_ = nullptr;
    std::unique_ptr<ShapedTexts> keptTexts_;
};

}  // namespace tessarine
