// SPDX-License-Identifier: GPL-3.0-or-later
// The events of 13 weeks of days (the days of 13 Weekly Planner pages) from a
// calendar of 10,000 events, 1,000 of them weekly series, in Europe/Berlin
// with its VTIMEZONE; and from one of 100,000 events made the same way: the
// first query after reading, and the same query again. Reading such a
// calendar is timed too.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <ctime>
#include <random>
#include <string>

#include "calendar/date_serial.h"
#include "events/event_calendar.h"
#include "events/event_calendar_set.h"

namespace {

using tessarine::EncodeDateSerial;
using tessarine::EventCalendar;
using tessarine::EventCalendarSet;

const char* const kBerlin =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\n"
    "DTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\n"
    "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
    "END:VTIMEZONE\r\n";

std::string Stamp(int year, int month, int day, int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00", year, month, day, hour, minute);
    return text;
}

// `count` events from 2020 to 2030, one in ten a weekly series (some
// without end, some until a date, some counted), the others once: timed in
// Berlin, in UTC or all-day.
std::string Calendar(int count) {
    std::mt19937 random(20240601);
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Tessarine//Bench//EN\r\n";
    text += kBerlin;
    for (int i = 0; i < count; ++i) {
        const int year = pick(2020, 2030);
        const int month = pick(1, 12);
        const int day = pick(1, 28);
        const int hour = pick(7, 20);
        const int minute = 15 * pick(0, 3);
        text += "BEGIN:VEVENT\r\nUID:" + std::to_string(i) + "@bench\r\nSUMMARY:Event " +
                std::to_string(i) + "\r\n";
        if (i % 10 == 0) {
            text +=
                "DTSTART;TZID=Europe/Berlin:" + Stamp(year - 5, month, day, hour, minute) +
                "\r\nDTEND;TZID=Europe/Berlin:" + Stamp(year - 5, month, day, hour + 1, minute) +
                "\r\nRRULE:FREQ=WEEKLY";
            if (i % 30 == 10) text += ";UNTIL=" + Stamp(year, month, day, 0, 0) + "Z";
            if (i % 30 == 20) text += ";COUNT=" + std::to_string(pick(10, 300));
            text += "\r\n";
        } else if (i % 3 == 0) {
            text += "DTSTART;VALUE=DATE:" + Stamp(year, month, day, 0, 0).substr(0, 8) + "\r\n";
        } else if (i % 3 == 1) {
            text += "DTSTART:" + Stamp(year, month, day, hour, minute) + "Z\r\nDURATION:PT45M\r\n";
        } else {
            text += "DTSTART;TZID=Europe/Berlin:" + Stamp(year, month, day, hour, minute) +
                    "\r\nDTEND;TZID=Europe/Berlin:" + Stamp(year, month, day, hour + 2, minute) +
                    "\r\n";
        }
        text += "END:VEVENT\r\n";
    }
    return text + "END:VCALENDAR\r\n";
}

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
