// SPDX-License-Identifier: GPL-3.0-or-later
// The marked-date commands of the main window. The marks, the go-to-date
// parsing and the dialogs live in DateCommands; these handlers bind the two
// menus to it and run each command at the window's error edge.

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
