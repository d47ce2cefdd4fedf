// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"

namespace tessarine {

QAction* TjulCalMainForm::AddMenuItem(QMenu* menu, const char* name, const char* caption,
                                      const char* hint) {
    QAction* item = menu->addAction(tr(caption));
    item->setObjectName(QString::fromLatin1(name));
    // Hints travel with the items; the window has no line that shows them.
    item->setStatusTip(tr(hint));
    return item;
}

QAction* TjulCalMainForm::AddSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

QMenu* TjulCalMainForm::AddSubmenu(const char* name, const char* caption, const char* hint) {
    auto* submenu = new QMenu(tr(caption), menuBar());
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setStatusTip(tr(hint));
    menuBar()->addMenu(submenu);
    // Once the event that closes the menu is done.
    connect(submenu, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, &TjulCalMainForm::ReturnKeysToGrid); });
    return submenu;
}

void TjulCalMainForm::ReturnKeysToGrid() {
    // A menu closed with Esc would leave the keys with the menu bar, which
    // shows no highlight then; the grid stays the window's active control.
    // Moving between menus keeps a menu open, and a dialog a command opened
    // keeps the keys.
    if (calendar1_ == nullptr || QApplication::activePopupWidget() != nullptr ||
        QApplication::activeModalWidget() != nullptr) {
        return;
    }
    calendar1_->setFocus(Qt::PopupFocusReason);
}

namespace {

QAction* Checkable(QAction* item, bool checked) {
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

}  // namespace

// An item of the main menu that the grid's context menu repeats: both are
// made from one row, with their own names and fields, and share the handler.
// A row without caption is a separator.
struct TjulCalMainForm::TwinItem {
    const char* mainName;
    QAction* TjulCalMainForm::*mainField;
    const char* popupName;
    QAction* TjulCalMainForm::*popupField;
    const char* caption;
    const char* popupCaption;  // null: the same as the main item's
    const char* hint;
    void (TjulCalMainForm::*handler)();
    bool checkable;
    bool checked;
};

namespace {

using Form = TjulCalMainForm;

}  // namespace

TjulCalMainForm::TwinItem TjulCalMainForm::Separator(const char* mainName, const char* popupName) {
    return {mainName, nullptr, popupName, nullptr, nullptr,
            nullptr,  nullptr, nullptr,   false,   false};
}

// The Date menu and the first part of the context menu.
std::span<const TjulCalMainForm::TwinItem> TjulCalMainForm::DateItems() {
    static const TwinItem items[] = {
        {"GoToDate2", &Form::GoToDate2, "GotoDate1", &Form::GotoDate1, QT_TR_NOOP("Go To Date..."),
         QT_TR_NOOP("Go to Date..."), QT_TR_NOOP("Go to a specific date"), &Form::GotoDate1Click,
         false, false},
        Separator("N5", "N6"),
        {"DisplayDateDifferences1", &Form::DisplayDateDifferences1, "DisplayDateDifferences2",
         &Form::DisplayDateDifferences2, QT_TR_NOOP("Display Date Differences..."), nullptr,
         QT_TR_NOOP("Display Date Differences"), &Form::DisplayDateDifferences1Click, false, false},
        Separator("N1", "N2"),
        {"SetasDate12", &Form::SetasDate12, "SetasDate11", &Form::SetasDate11,
         QT_TR_NOOP("Set as Date 1"), nullptr, QT_TR_NOOP("Mark current date as Date 1"),
         &Form::SetasDate11Click, false, false},
        {"SetasDate22", &Form::SetasDate22, "SetasDate21", &Form::SetasDate21,
         QT_TR_NOOP("Set as Date 2"), nullptr, QT_TR_NOOP("Mark current date as Date 2"),
         &Form::SetasDate21Click, false, false},
        {"SetasDate32", &Form::SetasDate32, "SetasDate31", &Form::SetasDate31,
         QT_TR_NOOP("Set as Date 3"), nullptr, QT_TR_NOOP("Mark current date as Date 3"),
         &Form::SetasDate31Click, false, false},
        Separator("N4", "N3"),
        {"GotoDate12", &Form::GotoDate12, "GotoDate11", &Form::GotoDate11,
         QT_TR_NOOP("Go to Date 1"), nullptr,
         QT_TR_NOOP("Jump to the date previously marked as Date 1"), &Form::GotoDate11Click, false,
         false},
        {"GotoDate22", &Form::GotoDate22, "GotoDate21", &Form::GotoDate21,
         QT_TR_NOOP("Go to Date 2"), nullptr,
         QT_TR_NOOP("Jump to the date previously marked as Date 2"), &Form::GotoDate21Click, false,
         false},
        {"GotoDate32", &Form::GotoDate32, "GotoDate31", &Form::GotoDate31,
         QT_TR_NOOP("Go to Date 3"), nullptr,
         QT_TR_NOOP("Jump to the date previously marked as Date 3"), &Form::GotoDate31Click, false,
         false},
    };
    return items;
}

// The day-number items of the Options menu and the end of the context menu.
std::span<const TjulCalMainForm::TwinItem> TjulCalMainForm::DayNumberItems() {
    static const TwinItem items[] = {
        {"ShowDayofYear1", &Form::ShowDayofYear1, "ShowDayofYear2", &Form::ShowDayofYear2,
         QT_TR_NOOP("Show Day of Year"), nullptr, QT_TR_NOOP("Show Day of Year "),
         &Form::ShowDayofYear1Click, true, true},
        {"ShowJulianDayNumbers1", &Form::ShowJulianDayNumbers1, "ShowJulianDayNumbers2",
         &Form::ShowJulianDayNumbers2, QT_TR_NOOP("Show Chronological Julian Day Numbers"), nullptr,
         QT_TR_NOOP("Uniform count of days from -4712 January 1 (Chronological Julian Day Number)"),
         &Form::ShowJulianDayNumbers1Click, true, false},
        {"ShowNone1", &Form::ShowNone1, "ShowNone2", &Form::ShowNone2, QT_TR_NOOP("Show None"),
         nullptr, QT_TR_NOOP("Do not show Day Numbers"), &Form::ShowNone1Click, true, false},
    };
    return items;
}

void TjulCalMainForm::AddTwinItems(QMenu* menu, std::span<const TwinItem> items, bool popup) {
    for (const TwinItem& row : items) {
        const char* name = popup ? row.popupName : row.mainName;
        if (row.caption == nullptr) {
            AddSeparator(menu, name);
            continue;
        }
        const char* caption = popup && row.popupCaption != nullptr ? row.popupCaption : row.caption;
        QAction* item = AddMenuItem(menu, name, caption, row.hint);
        if (row.checkable) Checkable(item, row.checked);
        this->*(popup ? row.popupField : row.mainField) = item;
        connect(item, &QAction::triggered, this, row.handler);
    }
}

void TjulCalMainForm::CreateMainMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = AddSubmenu("File1", QT_TR_NOOP("&File"), QT_TR_NOOP("File Menu"));
    Print1 = AddMenuItem(file, "Print1", QT_TR_NOOP("&Print Planner or Calendar..."),
                         QT_TR_NOOP("Print Calendar for current month"));
    connect(Print1, &QAction::triggered, this, &TjulCalMainForm::Print1Click);
    connect(AddMenuItem(file, "Calendars1", QT_TR_NOOP("&Calendars..."),
                        QT_TR_NOOP("Choose the calendars whose events the grid shows")),
            &QAction::triggered, this, &TjulCalMainForm::Calendars1Click);
    AddSeparator(file, "N7");
    connect(AddMenuItem(file, "Exit1", QT_TR_NOOP("E&xit"), QT_TR_NOOP("Exit this program")),
            &QAction::triggered, this, &TjulCalMainForm::Exit1Click);

    Date1 = AddSubmenu("Date1", QT_TR_NOOP("&Date"), QT_TR_NOOP("Date Functions"));
    AddTwinItems(Date1, DateItems(), false);
    connect(Date1, &QMenu::aboutToShow, this, &TjulCalMainForm::Date1Click);

    QMenu* options = AddSubmenu("Options1", QT_TR_NOOP("&Options"), "");
    AddTwinItems(options, DayNumberItems(), false);
    AddSeparator(options, "N9");
    UseStandardColorSet1 = Checkable(AddMenuItem(options, "UseStandardColorSet1",
                                                 ColorSetCaption(kStandardColorsIndex).data(), ""),
                                     true);
    UseDefaultColorset1 = Checkable(
        AddMenuItem(options, "UseDefaultColorset1", ColorSetCaption(kGreenAndYellowIndex).data(),
                    QT_TR_NOOP("Use default color set")),
        false);
    UseBusinessColorset1 = Checkable(
        AddMenuItem(options, "UseBusinessColorset1", ColorSetCaption(kSilverAndTealIndex).data(),
                    QT_TR_NOOP("Use Business Colors")),
        false);
    connect(UseStandardColorSet1, &QAction::triggered, this,
            &TjulCalMainForm::UseStandardColorSet1Click);
    connect(UseDefaultColorset1, &QAction::triggered, this,
            &TjulCalMainForm::UseDefaultColorset1Click);
    connect(UseBusinessColorset1, &QAction::triggered, this,
            &TjulCalMainForm::UseBusinessColorset1Click);

    QMenu* help = AddSubmenu("Help1", QT_TR_NOOP("&Help"), QT_TR_NOOP("Help Menu"));
    connect(AddMenuItem(help, "Instructions1", QT_TR_NOOP("&Help Contents"),
                        QT_TR_NOOP("Program Instructions screen")),
            &QAction::triggered, this, &TjulCalMainForm::Instructions1Click);
    connect(AddMenuItem(help, "About1", QT_TR_NOOP("&About Tessarine..."), ""), &QAction::triggered,
            this, &TjulCalMainForm::About1Click);
    AddSeparator(help, "N10");
    connect(AddMenuItem(help, "MakeaDonation1", QT_TR_NOOP("Make a Donation"), ""),
            &QAction::triggered, this, &TjulCalMainForm::MakeaDonation1Click);
}

void TjulCalMainForm::CreatePopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    AddTwinItems(PopupMenu1, DateItems(), true);
    AddSeparator(PopupMenu1, "N8");
    AddTwinItems(PopupMenu1, DayNumberItems(), true);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TjulCalMainForm::PopupMenu1Popup);
}

}  // namespace tessarine
