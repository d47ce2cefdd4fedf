// SPDX-License-Identifier: GPL-3.0-or-later
// The Print command of the main window: the print job reads the grid's date,
// display mode and shown calendars at the moment the command starts.

#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "events/qt/locale_short_time.h"
#include "print/qt/print_command.h"

namespace tessarine {

void TjulCalMainForm::btnPrintClick() {
    RunCommand([this] {
        const TJulianCalendar& grid = calendar1_->calendar();
        PrintCommandContext context;
        context.SelectedDate = grid.SelectedDate();
        context.ShowJulianDayNumber = grid.ShowJulianDayNumber();
        context.ShowNone = grid.ShowNone();
        context.localeNames = localeNames_;
        context.startMyHelp = [this](const std::string& topic) { StartMyHelp(topic); };
        context.dialogRunner = dialogRunner_;
        context.makeDevice = printDevice_;
        context.showError = showError_;
        if (calendars_ != nullptr) context.eventsOfDays = calendars_->eventsOfDays();
        if (context.eventsOfDays) context.formatTime = LocaleShortTime();
        RunPrintCommand(this, context);  // shows its own failures and never throws
    });
}

void TjulCalMainForm::Print1Click() {
    btnPrintClick();
}

}  // namespace tessarine
