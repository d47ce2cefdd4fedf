// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/date_commands.h"

#include <QAction>
#include <stdexcept>
#include <utility>

#include "app/goto_date.h"
#include "dialogs/qt/date_diff_form.h"
#include "dialogs/qt/enter_date_form.h"
#include "platform/qt/app_translators.h"

namespace tessarine {

// The entered-date text is program-wide state shared by the go-to-date command
// and its dialog. It lives here rather than in a global: the main window owns
// exactly one DateCommands for the whole run, so this is the one copy, it is
// empty at start, and each test gets a fresh one. The dialog writes it through
// the reference it is handed.

DateCommands::DateCommands(Seams seams, DateSerial today)
    : seams_(std::move(seams)),
      systemAlert_(seams_.owner),
      alert_(seams_.alertSound ? *seams_.alertSound : systemAlert_),
      marks_(MarkedDates::AllOn(today)) {
    if (!seams_.selectedDate || !seams_.setSelectedDate || !seams_.activeColors) {
        throw std::invalid_argument("DateCommands needs the grid's date and the active colours");
    }
}

void DateCommands::SetasDate(int markNumber) {
    marks_.Set(markNumber, seams_.selectedDate());
}

void DateCommands::GotoDate(int markNumber) {
    seams_.setSelectedDate(marks_.Get(markNumber));
}

void DateCommands::GotoTypedDate() noexcept {
    try {
        enteredDateText_ = kBlankEnteredDateText;
        int result = 0;
        {  // The dialog is gone before the grid moves.
            TenterDateForm form(seams_.owner, enteredDateText_, seams_.startMyHelp);
            result = RunDialog(seams_.dialogRunner, form);
        }
        if (result != TenterDateForm::kResultOK) return;
        const std::optional<DateSerial> date = ParseEnteredDate(enteredDateText_);
        if (!date) {
            alert_.Beep();
            return;
        }
        seams_.setSelectedDate(*date);
    } catch (...) {
        alert_.Beep();
    }
}

void DateCommands::DisplayDateDifferences() noexcept {
    try {
        TDateDiffForm form(seams_.owner, marks_.MarkedDate1, marks_.MarkedDate2, marks_.MarkedDate3,
                           seams_.activeColors(), seams_.startMyHelp);
        RunDialog(seams_.dialogRunner, form);  // Close and Esc are alike to the caller.
    } catch (...) {
        alert_.Beep();
    }
}

void DateCommands::RefreshGotoDateCaptions(const std::array<QAction*, 3>& items) const {
    for (int n = 1; n <= 3; ++n) {
        QAction* item = items[static_cast<std::size_t>(n - 1)];
        if (item == nullptr) continue;
        QString caption = QString::fromStdString(
            GotoDateCaption(n, marks_.Get(n), seams_.localeNames, QtTextTranslator()));
        // A month name with "&" must show it, not turn it into a shortcut.
        item->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    }
}

}  // namespace tessarine
