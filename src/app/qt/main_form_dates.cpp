// The marked-date commands of the main window. The marks, the go-to-date
// parsing and the dialogs live in DateCommands; these handlers bind the two
// menus to it and run each command at the window's error edge.

#include <QAction>
#include <QMenu>

#include "app/qt/date_commands.h"
#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"

namespace tessarine {

void TjulCalMainForm::CreateDateCommands() {
    DateCommands::Seams seams;
    seams.selectedDate = [this] { return calendar1_->calendar().SelectedDate(); };
    seams.setSelectedDate = [this](DateSerial date) {
        calendar1_->calendar().SetSelectedDate(date);
    };
    seams.activeColors = [this] { return ActiveColors(); };
    seams.startMyHelp = [this](const std::string& topic) { StartMyHelp(topic); };
    seams.owner = this;
    seams.localeNames = localeNames_;
    seams.alertSound = alertSound_;
    seams.dialogRunner = dialogRunner_;
    dateCommands_ = std::make_unique<DateCommands>(std::move(seams), TodayDate());
}

void TjulCalMainForm::BindDateCommands() {
    struct Binding {
        QAction* mainItem;
        QAction* popupItem;
        void (TjulCalMainForm::*handler)();
    };
    const Binding bindings[] = {
        {GoToDate2, GotoDate1, &TjulCalMainForm::GotoDate1Click},
        {DisplayDateDifferences1, DisplayDateDifferences2,
         &TjulCalMainForm::DisplayDateDifferences1Click},
        {SetasDate12, SetasDate11, &TjulCalMainForm::SetasDate11Click},
        {SetasDate22, SetasDate21, &TjulCalMainForm::SetasDate21Click},
        {SetasDate32, SetasDate31, &TjulCalMainForm::SetasDate31Click},
        {GotoDate12, GotoDate11, &TjulCalMainForm::GotoDate11Click},
        {GotoDate22, GotoDate21, &TjulCalMainForm::GotoDate21Click},
        {GotoDate32, GotoDate31, &TjulCalMainForm::GotoDate31Click},
    };
    for (const Binding& binding : bindings) {
        connect(binding.mainItem, &QAction::triggered, this, binding.handler);
        connect(binding.popupItem, &QAction::triggered, this, binding.handler);
    }
    connect(Date1, &QMenu::aboutToShow, this, &TjulCalMainForm::Date1Click);
    connect(PopupMenu1, &QMenu::aboutToShow, this, &TjulCalMainForm::PopupMenu1Popup);
}

DateSerial TjulCalMainForm::MarkedDate1() const {
    return dateCommands_->Marks().MarkedDate1;
}

DateSerial TjulCalMainForm::MarkedDate2() const {
    return dateCommands_->Marks().MarkedDate2;
}

DateSerial TjulCalMainForm::MarkedDate3() const {
    return dateCommands_->Marks().MarkedDate3;
}

void TjulCalMainForm::SetasDate11Click() {
    RunCommand([this] { dateCommands_->SetasDate(1); });
}

void TjulCalMainForm::SetasDate21Click() {
    RunCommand([this] { dateCommands_->SetasDate(2); });
}

void TjulCalMainForm::SetasDate31Click() {
    RunCommand([this] { dateCommands_->SetasDate(3); });
}

void TjulCalMainForm::GotoDate11Click() {
    RunCommand([this] { dateCommands_->GotoDate(1); });
}

void TjulCalMainForm::GotoDate21Click() {
    RunCommand([this] { dateCommands_->GotoDate(2); });
}

void TjulCalMainForm::GotoDate31Click() {
    RunCommand([this] { dateCommands_->GotoDate(3); });
}

void TjulCalMainForm::GotoDate1Click() {
    dateCommands_->GotoTypedDate();  // bad input beeps; nothing escapes
}

void TjulCalMainForm::DisplayDateDifferences1Click() {
    dateCommands_->DisplayDateDifferences();  // a failure to open beeps
}

void TjulCalMainForm::Date1Click() {
    RunCommand([this] {
        dateCommands_->RefreshGotoDateCaptions({GotoDate12, GotoDate22, GotoDate32});
    });
}

void TjulCalMainForm::PopupMenu1Popup() {
    RunCommand([this] {
        dateCommands_->RefreshGotoDateCaptions({GotoDate11, GotoDate21, GotoDate31});
    });
}

}  // namespace tessarine
