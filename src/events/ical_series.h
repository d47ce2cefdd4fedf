// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the events area (see ical_time.h).

#include <cstdint>
#include <string>
#include <vector>

#include "events/day_event.h"
#include "events/ical_time.h"
#include "events/local_clock.h"
#include "events/occurrence_index.h"

namespace tessarine {

// An event that repeats, as read from its VEVENT. The rules are kept as
// text and handed to libical's iterator anew for each query: a parsed rule
// takes kilobytes, and a file may hold many thousands of series.
struct RecurringEvent {
    struct ExtraStart {
        icaltimetype start;  // on the clock of the series' start
        std::int64_t length = 0;
    };

    std::vector<std::string> rules;
    icaltimetype start = icaltime_null_time();  // DTSTART, zone filled in
    std::int64_t length = 0;                    // seconds; whole days when all-day
    std::uint32_t summary = 0;
    // Bounds of the occurrences' starts as readings on the start's clock,
    // so that a query far from them needs no expansion; the last is the
    // largest value when the rules set no end that can be told unexpanded.
    std::int64_t firstReading = 0;
    std::int64_t lastReading = 0;
    std::vector<ExtraStart> extraStarts;  // RDATE
    // Occurrences left out (EXDATE) or shown by a VEVENT of their own
    // (RECURRENCE-ID), as readings on the start's clock; sorted.
    std::vector<std::int64_t> skippedReadings;
    // Dates given to EXDATE for a series with a time of day: every
    // occurrence on such a date is left out. Civil day numbers; sorted.
    std::vector<std::int64_t> skippedDays;

    bool AllDay() const { return start.is_date != 0; }
    // The longest any occurrence lasts, RDATE periods included.
    std::int64_t Longest() const;
    // `time` as a reading on the start's clock, the form skippedReadings
    // holds: a date for an all-day series.
    std::int64_t ReadingOf(const icaltimetype& time) const;
};

// Adds the occurrences of `event` that start within [from, to): DTSTART,
// those of its rules (expanded by libical only as far as that reaches) and
// its RDATEs, each once, without those it skips. Starts and spans are
// instants for a series in a known zone, clock readings otherwise.
void ExpandOccurrences(const RecurringEvent& event, std::int64_t from, std::int64_t to,
                       std::vector<IndexedSpan>& out);

}  // namespace tessarine
