// SPDX-License-Identifier: GPL-3.0-or-later
// A month step in the main window with its full repaint of the grid, with
// the benchmarks' calendar of 10,000 events (bench/bench_calendar.h) shown,
// beside the same step in a window without calendars: to a month whose
// lines were expanded before (the months of a year, stepped through once
// beforehand), and to a month never shown (a year and a month further each
// time, faster than the lines can follow).

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <stdlib.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <ctime>
#include <fstream>
#include <memory>

#include "app/qt/main_form.h"
#include "bench_calendar.h"
#include "calendar/julian_calendar.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "dialogs/calendar_sources.h"
#include "platform/reg_hive_store.h"
#include "ratio_report.h"

namespace {

using tessarine::EncodeDateSerial;
using tessarine::JulianCalendarWidget;
using tessarine::TjulCalMainForm;
using tessarine::TJulianCalendar;

constexpr int kEvents = 10000;
constexpr qint64 kLoadTimeoutMs = 120000;

bool ShowsEvents(const TJulianCalendar& grid) {
    for (int row = TJulianCalendar::kFixedRows; row < TJulianCalendar::kRowCount; ++row) {
        for (int col = 0; col < TJulianCalendar::kColCount; ++col) {
            if (!grid.EventLines(col, row).empty()) return true;
        }
    }
    return false;
}

template <typename Done>
void ProcessEventsUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.hasExpired(kLoadTimeoutMs)) {
            std::fputs("calendar_step_bench: the window never showed the calendar\n", stderr);
            std::exit(2);
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// Two windows, each reading its settings from a scratch folder of its own
// (the program finds its hives there): one lists the calendar, the other
// none. Each is built and shown while the folder it reads is the one named.
class Windows {
  public:
    Windows() {
        const std::string calendar = withDir_.filePath("events.ics").toStdString();
        std::ofstream(calendar, std::ios::binary) << bench_calendar::Calendar(kEvents);
        UseRegistry(withDir_);
        {
            tessarine::RegHiveStore store;
            tessarine::CalendarSources sources;
            sources.Add(calendar);
            sources.Write(store);
        }
        withCalendar_ = Open();
        ProcessEventsUntil([this] { return ShowsEvents(withCalendar_->Calendar1()->calendar()); });
        UseRegistry(withoutDir_);
        withoutCalendar_ = Open();
        ProcessEventsUntil([] { return true; });
    }

    JulianCalendarWidget& WithCalendar() { return *withCalendar_->Calendar1(); }
    JulianCalendarWidget& WithoutCalendar() { return *withoutCalendar_->Calendar1(); }

  private:
    static void UseRegistry(const QTemporaryDir& dir) {
        ::setenv("TESSARINE_REGISTRY_DIR", dir.path().toLocal8Bit().constData(), 1);
    }

    static std::unique_ptr<TjulCalMainForm> Open() {
        auto form = std::make_unique<TjulCalMainForm>();
        form->Calendar1()->calendar().SetSelectedDate(EncodeDateSerial(2025, 1, 15));
        form->show();
        // The calendars are read after the first frame.
        for (int i = 0; i < 20; ++i) QApplication::processEvents(QEventLoop::AllEvents, 10);
        return form;
    }

    QTemporaryDir withDir_;
    QTemporaryDir withoutDir_;
    std::unique_ptr<TjulCalMainForm> withCalendar_;
    std::unique_ptr<TjulCalMainForm> withoutCalendar_;
};

Windows* windows = nullptr;

// One step: the month after, back to January after December; then the
// events the step queued (lines arriving from the worker among them) and
// the grid's repaint.
void StepWithinYear(benchmark::State& state, JulianCalendarWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    TJulianCalendar& grid = widget.calendar();
    grid.SetSelectedDate(EncodeDateSerial(2025, 1, 15));
    for (auto _ : state) {
        if (grid.Month() == 12) {
            grid.SetSelectedDate(EncodeDateSerial(2025, 1, 15));
        } else {
            grid.NextMonth();
        }
        QApplication::processEvents();
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void StepWithoutCalendar(benchmark::State& state) {
    StepWithinYear(state, windows->WithoutCalendar());
}
BENCHMARK(StepWithoutCalendar);

// Every month of 2025 is stepped through once first, each waiting for its
// marks, so that the timed steps find their lines expanded.
void StepToExpandedMonth(benchmark::State& state) {
    JulianCalendarWidget& widget = windows->WithCalendar();
    TJulianCalendar& grid = widget.calendar();
    for (int month = 1; month <= 12; ++month) {
        grid.SetSelectedDate(EncodeDateSerial(2025, static_cast<std::uint16_t>(month), 15));
        ProcessEventsUntil([&grid] { return ShowsEvents(grid); });
    }
    StepWithinYear(state, widget);
    state.counters["marked"] = ShowsEvents(grid) ? 1 : 0;
}
BENCHMARK(StepToExpandedMonth);

// Thirteen months on each step, from 2020 to 2030 and again: never a month
// kept from before.
void StepToNewMonth(benchmark::State& state) {
    JulianCalendarWidget& widget = windows->WithCalendar();
    QImage image(widget.size(), QImage::Format_RGB32);
    TJulianCalendar& grid = widget.calendar();
    grid.SetSelectedDate(EncodeDateSerial(2020, 1, 15));
    for (auto _ : state) {
        const int next = grid.Year() * 12 + grid.Month() + 12;  // 13 months on, from 0
        const int year = next / 12 > 2030 ? 2020 : next / 12;
        grid.SetSelectedDate(EncodeDateSerial(static_cast<std::uint16_t>(year),
                                              static_cast<std::uint16_t>(next % 12 + 1), 15));
        QApplication::processEvents();
        widget.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(StepToNewMonth);

}  // namespace

int main(int argc, char** argv) {
    // One heap for every thread, as the program has.
    mallopt(M_ARENA_MAX, 1);
    // The zone the calendar's series are written in.
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Windows shown;
    windows = &shown;
    return bench_report::RunAndCompare(argc, argv,
                                       {{"StepToExpandedMonth", "StepWithoutCalendar", 1.5},
                                        {"StepToNewMonth", "StepWithoutCalendar", 1.5}});
}
