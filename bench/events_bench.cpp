// SPDX-License-Identifier: GPL-3.0-or-later
// The events of 13 weeks of days (the days of 13 Weekly Planner pages) from a
// calendar of 10,000 events, 1,000 of them weekly series, in Europe/Berlin
// with its VTIMEZONE; and from one of 100,000 events made the same way: the
// first query after reading, and the same query again. Reading such a
// calendar is timed too.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <ctime>
#include <string>

#include "bench_calendar.h"
#include "calendar/date_serial.h"
#include "events/event_calendar.h"
#include "events/event_calendar_set.h"

namespace {

using bench_calendar::Calendar;
using tessarine::EncodeDateSerial;
using tessarine::EventCalendar;
using tessarine::EventCalendarSet;

void InBerlin() {
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
}

void ReadCalendar(benchmark::State& state) {
    InBerlin();
    const std::string text = Calendar(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(EventCalendar::Read(text, "bench.ics").EventCount());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ReadCalendar)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

constexpr int kDays = 13 * 7;

// From 2025-03-02, a Sunday, across the change to summer time.
std::size_t EventsShown(const EventCalendarSet& set) {
    const tessarine::DateSerial first = EncodeDateSerial(2025, 3, 2);
    const tessarine::EventDays days = set.EventsOfDays(first, first + kDays - 1);
    std::size_t shown = 0;
    for (int i = 0; i < days.DayCount(); ++i) shown += days.On(first + i).size();
    return shown;
}

// The first query of a calendar just read: its series are expanded for it.
void ThirteenWeeksFirst(benchmark::State& state) {
    InBerlin();
    const std::string text = Calendar(static_cast<int>(state.range(0)));
    std::size_t shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        EventCalendarSet set;
        set.Add(EventCalendar::Read(text, "bench.ics"));
        state.ResumeTiming();
        shown = EventsShown(set);
    }
    state.counters["events shown"] = static_cast<double>(shown);
}
BENCHMARK(ThirteenWeeksFirst)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

// The same days asked again, as a printout after the window has shown them.
void ThirteenWeeksAgain(benchmark::State& state) {
    InBerlin();
    EventCalendarSet set;
    set.Add(EventCalendar::Read(Calendar(static_cast<int>(state.range(0))), "bench.ics"));
    std::size_t shown = EventsShown(set);
    for (auto _ : state) shown = EventsShown(set);
    state.counters["events shown"] = static_cast<double>(shown);
}
BENCHMARK(ThirteenWeeksAgain)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
