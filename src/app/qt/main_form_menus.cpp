#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/qt/main_form.h"

namespace tessarine {

QAction* TjulCalMainForm::AddMenuItem(QMenu* menu, const char* name, const char* caption,
                                      const char* hint) {
    QAction* item = menu->addAction(QString::fromLatin1(caption));
    item->setObjectName(QString::fromLatin1(name));
    // Hints travel with the items; the window has no line that shows them.
    item->setStatusTip(QString::fromLatin1(hint));
    return item;
}

QAction* TjulCalMainForm::AddSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    return separator;
}

QMenu* TjulCalMainForm::AddSubmenu(const char* name, const char* caption, const char* hint) {
    auto* submenu = new QMenu(QString::fromLatin1(caption), menuBar());
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setStatusTip(QString::fromLatin1(hint));
    menuBar()->addMenu(submenu);
    return submenu;
}

namespace {

QAction* Checkable(QAction* item, bool checked) {
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

QAction* Disabled(QAction* item) {
    item->setEnabled(false);
    return item;
}

}  // namespace

void TjulCalMainForm::CreateMainMenu() {
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* file = AddSubmenu("File1", "&File", "File Menu");
    Print1 = AddMenuItem(file, "Print1", "&Print Planner or Calendar...",
                         "Print Calendar for current month");
    connect(Print1, &QAction::triggered, this, &TjulCalMainForm::Print1Click);
    AddSeparator(file, "N7");
    connect(AddMenuItem(file, "Exit1", "E&xit", "Exit this program"), &QAction::triggered, this,
            &TjulCalMainForm::Exit1Click);

    Date1 = AddSubmenu("Date1", "&Date", "Date Functions");
    GoToDate2 = AddMenuItem(Date1, "GoToDate2", "Go To Date...", "Go to a specific date");
    AddSeparator(Date1, "N5");
    DisplayDateDifferences1 =
        AddMenuItem(Date1, "DisplayDateDifferences1", "Display Date Differences...",
                    "Display Date Differences");
    AddSeparator(Date1, "N1");
    SetasDate12 = AddMenuItem(Date1, "SetasDate12", "Set as Date 1", "Mark current date as Date 1");
    SetasDate22 = AddMenuItem(Date1, "SetasDate22", "Set as Date 2", "Mark current date as Date 2");
    SetasDate32 = AddMenuItem(Date1, "SetasDate32", "Set as Date 3", "Mark current date as Date 3");
    AddSeparator(Date1, "N4");
    GotoDate12 = AddMenuItem(Date1, "GotoDate12", "Go to Date 1",
                             "Jump to the date previously marked as Date 1");
    GotoDate22 = AddMenuItem(Date1, "GotoDate22", "Go to Date 2",
                             "Jump to the date previously marked as Date 2");
    GotoDate32 = AddMenuItem(Date1, "GotoDate32", "Go to Date 3",
                             "Jump to the date previously marked as Date 3");

    QMenu* options = AddSubmenu("Options1", "&Options", "");
    ShowDayofYear1 = Checkable(
        AddMenuItem(options, "ShowDayofYear1", "Show Day of Year", "Show Day of Year "), true);
    ShowJulianDayNumbers1 = Checkable(
        AddMenuItem(options, "ShowJulianDayNumbers1", "Show Chronological Julian Day Numbers",
                    "Uniform count of days from -4712 January 1 (Chronological Julian Day "
                    "Number)"),
        false);
    ShowNone1 =
        Checkable(AddMenuItem(options, "ShowNone1", "Show None", "Do not show Day Numbers"), false);
    AddSeparator(options, "N9");
    UseStandardColorSet1 =
        Checkable(AddMenuItem(options, "UseStandardColorSet1", "Standard Colors", ""), true);
    UseDefaultColorset1 = Checkable(
        AddMenuItem(options, "UseDefaultColorset1", "Green and Yellow", "Use default color set"),
        false);
    UseBusinessColorset1 = Checkable(
        AddMenuItem(options, "UseBusinessColorset1", "Silver and Teal", "Use Business Colors"),
        false);
    connect(ShowDayofYear1, &QAction::triggered, this, &TjulCalMainForm::ShowDayofYear1Click);
    connect(ShowJulianDayNumbers1, &QAction::triggered, this,
            &TjulCalMainForm::ShowJulianDayNumbers1Click);
    connect(ShowNone1, &QAction::triggered, this, &TjulCalMainForm::ShowNone1Click);
    connect(UseStandardColorSet1, &QAction::triggered, this,
            &TjulCalMainForm::UseStandardColorSet1Click);
    connect(UseDefaultColorset1, &QAction::triggered, this,
            &TjulCalMainForm::UseDefaultColorset1Click);
    connect(UseBusinessColorset1, &QAction::triggered, this,
            &TjulCalMainForm::UseBusinessColorset1Click);

    QMenu* help = AddSubmenu("Help1", "&Help", "Help Menu");
    connect(AddMenuItem(help, "Instructions1", "&Help Contents", "Program Instructions screen"),
            &QAction::triggered, this, &TjulCalMainForm::Instructions1Click);
    Disabled(AddMenuItem(help, "About1", "&About Tessarine...", ""));
    AddSeparator(help, "N10");
    Disabled(AddMenuItem(help, "MakeaDonation1", "Make a Donation", ""));
}

void TjulCalMainForm::CreatePopupMenu() {
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QMenu* popup = PopupMenu1;

    GotoDate1 = AddMenuItem(popup, "GotoDate1", "Go to Date...", "Go to a specific date");
    AddSeparator(popup, "N6");
    DisplayDateDifferences2 =
        AddMenuItem(popup, "DisplayDateDifferences2", "Display Date Differences...",
                    "Display Date Differences");
    AddSeparator(popup, "N2");
    SetasDate11 = AddMenuItem(popup, "SetasDate11", "Set as Date 1", "Mark current date as Date 1");
    SetasDate21 = AddMenuItem(popup, "SetasDate21", "Set as Date 2", "Mark current date as Date 2");
    SetasDate31 = AddMenuItem(popup, "SetasDate31", "Set as Date 3", "Mark current date as Date 3");
    AddSeparator(popup, "N3");
    GotoDate11 = AddMenuItem(popup, "GotoDate11", "Go to Date 1",
                             "Jump to the date previously marked as Date 1");
    GotoDate21 = AddMenuItem(popup, "GotoDate21", "Go to Date 2",
                             "Jump to the date previously marked as Date 2");
    GotoDate31 = AddMenuItem(popup, "GotoDate31", "Go to Date 3",
                             "Jump to the date previously marked as Date 3");
    AddSeparator(popup, "N8");
    ShowDayofYear2 = Checkable(
        AddMenuItem(popup, "ShowDayofYear2", "Show Day of Year", "Show Day of Year "), true);
    ShowJulianDayNumbers2 = Checkable(
        AddMenuItem(popup, "ShowJulianDayNumbers2", "Show Chronological Julian Day Numbers",
                    "Uniform count of days from -4712 January 1 (Chronological "
                    "Julian Day Number)"),
        false);
    ShowNone2 =
        Checkable(AddMenuItem(popup, "ShowNone2", "Show None", "Do not show Day Numbers"), false);
    // The twins share the main-menu handlers.
    connect(ShowDayofYear2, &QAction::triggered, this, &TjulCalMainForm::ShowDayofYear1Click);
    connect(ShowJulianDayNumbers2, &QAction::triggered, this,
            &TjulCalMainForm::ShowJulianDayNumbers1Click);
    connect(ShowNone2, &QAction::triggered, this, &TjulCalMainForm::ShowNone1Click);

    BindDateCommands();
}

}  // namespace tessarine
