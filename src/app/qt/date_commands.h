// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>

#include "app/marked_dates.h"
#include "calendar/color_set.h"
#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "platform/alert.h"
#include "platform/qt/dialog_runner.h"
#include "platform/qt/form_dialog.h"
#include "platform/qt/qt_alert_sound.h"

class QAction;
class QWidget;

namespace tessarine {

// The marked-date commands of the main window: the three marks, the jumps,
// the go-to-date command and the differences table. The main window's
// handlers only forward to these:
//
//   SetasDate11Click / 21 / 31    -> SetasDate(1 / 2 / 3)
//   GotoDate11Click / 21 / 31     -> GotoDate(1 / 2 / 3)
//   GotoDate1Click                -> GotoTypedDate()
//   DisplayDateDifferences1Click  -> DisplayDateDifferences()
//   Date1Click                    -> RefreshGotoDateCaptions({GotoDate12, GotoDate22, GotoDate32})
//   PopupMenu1Popup               -> RefreshGotoDateCaptions({GotoDate11, GotoDate21, GotoDate31})
class DateCommands {
  public:
    // What the commands need from the main window and the platform.
    struct Seams {
        std::function<DateSerial()> selectedDate;         // the grid's SelectedDate
        std::function<void(DateSerial)> setSelectedDate;  // the grid's SetSelectedDate
        std::function<ColorSet()> activeColors;           // read each time a table opens
        StartMyHelpFn startMyHelp;                        // F1 in either dialog
        QWidget* owner = nullptr;                         // the dialogs' owner
        LocaleNames localeNames = EnglishLocaleNames();   // for the menu captions
        AlertSound* alertSound = nullptr;                 // nullptr: the system's alert sound
        DialogRunner* dialogRunner = nullptr;             // nullptr: a real modal loop
    };

    // All three marks start on `today`. Throws std::invalid_argument when one
    // of the three grid and colour callbacks is missing.
    DateCommands(Seams seams, DateSerial today);

    // Set as Date N: the mark takes the grid's selected date. N is 1..3.
    void SetasDate(int markNumber);
    // Go to Date N: the grid is given the mark unchanged. N is 1..3.
    void GotoDate(int markNumber);
    // The go-to-date command. Bad input beeps once and changes nothing; a
    // cancelled dialog does nothing at all. Never throws.
    void GotoTypedDate() noexcept;
    // Shows the table of differences between the marks; a failure to show it
    // beeps. Never throws.
    void DisplayDateDifferences() noexcept;
    // Gives items 0..2 the captions "Go to Date N - yyyy-mmm-dd" for marks
    // 1..3. Null entries are skipped.
    void RefreshGotoDateCaptions(const std::array<QAction*, 3>& items) const;

    const MarkedDates& Marks() const { return marks_; }
    // The text last confirmed in the go-to-date dialog (see the .cpp).
    const std::string& EnteredDateText() const { return enteredDateText_; }

  private:
    Seams seams_;
    QtAlertSound systemAlert_;
    AlertSound& alert_;
    MarkedDates marks_;
    std::string enteredDateText_;
};

}  // namespace tessarine
