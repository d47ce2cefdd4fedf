// SPDX-License-Identifier: GPL-3.0-or-later
// The colour sets, the day-number display modes and the stored settings
// record of the main window.

#include <QAction>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "platform/qt/app_translators.h"
#include "platform/reg_hive_store.h"

namespace tessarine {

std::unique_ptr<Registry> TjulCalMainForm::OpenHiveStore() {
    RegHiveStoreOptions options;
    // A message box inside a store call would run an event loop in the
    // middle of a read; the notices wait for the call to finish.
    options.tellUser = [this](const std::string& message) { ownStoreNotices_.push_back(message); };
    options.translate = QtTextTranslator();
    return std::make_unique<RegHiveStore>(ResolveHiveLocations(), std::move(options));
}

void TjulCalMainForm::ShowStoreNotices() {
    std::vector<std::string> notices;
    notices.swap(*storeNotices_);
    for (const std::string& notice : notices) ShowError(notice);
}

void TjulCalMainForm::ReadSettings() {
    try {
        tessarine::ReadSettings(*registry_, appDefaults_, QtTextTranslator());
    } catch (...) {
        ShowStoreNotices();
        throw;
    }
    ShowStoreNotices();
}

void TjulCalMainForm::WriteSettings() {
    try {
        tessarine::WriteSettings(*registry_, appDefaults_, QtTextTranslator());
    } catch (...) {
        ShowStoreNotices();
        throw;
    }
    ShowStoreNotices();
}

void TjulCalMainForm::RestoreSettings() {
    try {
        ReadSettings();
    } catch (const std::exception& failure) {
        // The stored value stays unapplied. The window still needs a whole
        // colour set rather than the all-zero one it starts with, so it takes
        // the design state: Standard Colors, day of year.
        ApplyColorSet(static_cast<int>(kStandardColorsIndex));
        ShowError(failure.what());
        return;
    }
    calendar1_->setDayNumbers(appDefaults_.ShowJulianDayNumber != 0, appDefaults_.ShowNone != 0);
    const TJulianCalendar& grid = calendar1_->calendar();
    CheckDayNumberItems(DayNumberModeOf(grid.ShowJulianDayNumber(), grid.ShowNone()));
    ApplyColorSet(static_cast<int>(ColorSetIndexOf(appDefaults_)));
}

void TjulCalMainForm::CheckDayNumberItems(DayNumberMode mode) {
    const bool dayOfYear = mode == DayNumberMode::DayOfYear;
    const bool julian = mode == DayNumberMode::JulianDayNumber;
    const bool none = mode == DayNumberMode::None;
    ShowDayofYear1->setChecked(dayOfYear);
    ShowDayofYear2->setChecked(dayOfYear);
    ShowJulianDayNumbers1->setChecked(julian);
    ShowJulianDayNumbers2->setChecked(julian);
    ShowNone1->setChecked(none);
    ShowNone2->setChecked(none);
}

void TjulCalMainForm::ChooseColorSet(int index) {
    ApplyColorSet(index);
    appDefaults_.ColorSetCode = index;
    WriteSettings();
}

void TjulCalMainForm::ChooseDayNumberMode(DayNumberMode mode) {
    const DayNumberFlags flags = FlagsOf(mode);
    calendar1_->setDayNumbers(flags.showJulianDayNumber, flags.showNone);
    const TJulianCalendar& grid = calendar1_->calendar();
    CheckDayNumberItems(mode);
    StoreDayNumberFlags(appDefaults_, grid.ShowJulianDayNumber(), grid.ShowNone());
    WriteSettings();
}

// A click on the item already ticked has just unticked it; every command
// sets all the marks of its group again, so the tick always comes back.

void TjulCalMainForm::UseStandardColorSet1Click() {
    RunCommand([this] { ChooseColorSet(static_cast<int>(kStandardColorsIndex)); });
}

void TjulCalMainForm::UseDefaultColorset1Click() {
    RunCommand([this] { ChooseColorSet(static_cast<int>(kGreenAndYellowIndex)); });
}

void TjulCalMainForm::UseBusinessColorset1Click() {
    RunCommand([this] { ChooseColorSet(static_cast<int>(kSilverAndTealIndex)); });
}

void TjulCalMainForm::ShowDayofYear1Click() {
    RunCommand([this] { ChooseDayNumberMode(DayNumberMode::DayOfYear); });
}

void TjulCalMainForm::ShowJulianDayNumbers1Click() {
    RunCommand([this] { ChooseDayNumberMode(DayNumberMode::JulianDayNumber); });
}

void TjulCalMainForm::ShowNone1Click() {
    RunCommand([this] { ChooseDayNumberMode(DayNumberMode::None); });
}

}  // namespace tessarine
