// SPDX-License-Identifier: GPL-3.0-or-later
// The user's own calendars: their list, the dialog that edits it, and the
// marks and lines they put on the grid.

#include <QTimer>
#include <exception>
#include <memory>
#include <utility>

#include "app/qt/main_form.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "dialogs/qt/calendars_form.h"
#include "platform/qt/dialog_runner.h"
#include "platform/reg_hive_store.h"

namespace tessarine {

namespace {

constexpr int kCalendarRefreshMs = 60 * 60 * 1000;
constexpr int kCalendarStartDelayMs = 200;

// The hive files as they are, read only: opening the calendars' key there
// never creates it, so a user without calendars gets no new key.
std::unique_ptr<Registry> ReadOnlyHiveStore() {
    RegHiveStoreOptions options;
    options.canWrite = [](const std::filesystem::path&) { return false; };
    return std::make_unique<RegHiveStore>(ResolveHiveLocations(), std::move(options));
}

}  // namespace

void TjulCalMainForm::StartCalendars() {
    try {
        calendarSources_ = CalendarSources::Read(*ReadOnlyHiveStore());
    } catch (const RegistryError&) {
        // A store that cannot be read shows its message with the settings;
        // the grid then simply shows no events.
        return;
    }
    if (calendarSources_.Empty()) return;
    // The first frame reaches the display a while after it is painted,
    // later still on a busy machine, and reading a large calendar at once
    // would hold it up on its way: the reader starts a moment later, too
    // soon for anyone to miss the marks.
    QTimer::singleShot(kCalendarStartDelayMs, this, [this] {
        if (calendars_ == nullptr) CalendarsChanged();
    });
}

void TjulCalMainForm::CalendarsChanged() {
    if (calendars_ == nullptr) {
        CalendarService::Listener listener;
        listener.loaded = [this] {
            ShowEventLines();
            ShowCalendarNotices();
        };
        listener.monthReady = [this](int year, int month) {
            if (calendar1_ == nullptr) return;
            const TJulianCalendar& grid = calendar1_->calendar();
            if (grid.Year() == year && grid.Month() == month) ShowEventLines();
        };
        try {
            calendars_ = makeCalendars_(std::move(listener));
        } catch (const std::exception& failure) {
            // Told in the Calendars dialog, never in a box at start-up.
            calendarsProblem_ = QString::fromStdString(failure.what());
            ShowCalendarNotices();
            return;
        }
        // Published calendars change: fetched again every hour.
        auto* hourly = new QTimer(this);
        connect(hourly, &QTimer::timeout, this, [this] { calendars_->load(calendarSources_); });
        hourly->start(kCalendarRefreshMs);
    }
    calendars_->load(calendarSources_);
}

void TjulCalMainForm::ShowEventLines() {
    if (calendars_ == nullptr || calendar1_ == nullptr) return;
    const TJulianCalendar& grid = calendar1_->calendar();
    // A month not expanded yet shows no marks until monthReady brings them;
    // after a reload the shown month keeps its old ones until then.
    if (auto lines = calendars_->monthLines(grid.Year(), grid.Month())) {
        calendar1_->setSharedEventLines(grid.Year(), grid.Month(), std::move(lines));
    }
}

void TjulCalMainForm::ShowCalendarNotices() {
    if (calendarsForm_ == nullptr) return;
    if (calendars_ == nullptr) {
        calendarsForm_->setProblems(
            calendarsProblem_.isEmpty() ? QStringList{} : QStringList{calendarsProblem_}, {});
        return;
    }
    QStringList keptCopies;
    for (const CalendarSource& source : calendarSources_.Entries()) {
        if (!source.shown || !source.IsAddress()) continue;
        if (const QString notice = calendars_->keptCopyNotice(source.location); !notice.isEmpty()) {
            keptCopies << notice;
        }
    }
    calendarsForm_->setProblems(calendars_->problems(), keptCopies);
}

void TjulCalMainForm::Calendars1Click() {
    RunCommand([this] {
        TCalendarsForm form(
            this, calendarSources_,
            [this] {
                RunCommand([this] {
                    CalendarsChanged();
                    calendarSources_.Write(*registry_);
                    ShowStoreNotices();
                });
            },
            [this](const std::string& topic) { StartMyHelp(topic); });
        calendarsForm_ = &form;
        ShowCalendarNotices();
        // Ends with the dialog, also when the run fails.
        const std::unique_ptr<TCalendarsForm*, void (*)(TCalendarsForm**)> forget(
            &calendarsForm_, [](TCalendarsForm** open) { *open = nullptr; });
        RunDialog(dialogRunner_, form);
    });
}

}  // namespace tessarine
