// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <string>

#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "platform/qt/dialog_runner.h"
#include "print/print_job.h"
#include "print/qt/print_sel_dialog.h"

class QWidget;

namespace tessarine {

// The busy cursor of the whole application (an override cursor), so it
// shows over every window while a page is built.
class QtBusyCursor : public BusyCursor {
  public:
    void Show() override;
    void Restore() override;
};

// What the Print command needs from the main window.
struct PrintCommandContext {
    DateSerial SelectedDate = 0;  // the grid's selected date
    bool ShowJulianDayNumber = false;
    bool ShowNone = false;
    LocaleNames localeNames = EnglishLocaleNames();
    StartMyHelpFn startMyHelp;             // F1 in the dialog; may be empty
    DialogRunner* dialogRunner = nullptr;  // nullptr: a real modal loop
    PrintDeviceFactory makeDevice;         // empty: the system's default printer
    BusyCursor* cursor = nullptr;          // nullptr: the application's busy cursor
    // Shows a failure; empty: the standard error message box.
    std::function<void(QWidget* owner, const std::string& message)> showError;
    // The user's shown calendars, whose events the pages list; empty: none,
    // and the pages are those without calendars.
    std::function<EventDays(DateSerial first, DateSerial last)> eventsOfDays;
    EventTimeFormatter formatTime;  // empty: 24-hour
};

// The standard error box: a critical message box captioned with the owner's
// window title.
void ShowPrintErrorBox(QWidget* owner, const std::string& message);

// The Print command (btnPrintClick and Print1Click): asks for the format and
// page count, then prints the pages. Nothing escapes: a failure (no default
// printer, a printer error, a layout not built yet) is shown once through
// showError and the command ends. Returns the job as it ended, for tests.
PrintJobState RunPrintCommand(QWidget* owner, const PrintCommandContext& context) noexcept;

}  // namespace tessarine
