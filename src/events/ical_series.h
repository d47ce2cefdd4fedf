#pragma once

// Internal to the events area (see ical_time.h).

#include <cstdint>
#include <string>
#include <vector>

#include "events/day_event.h"
#include "events/ical_time.h"
#include "events/local_clock.h"

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
    std::vector<ExtraStart> extraStarts;  // RDATE
    // Occurrences left out (EXDATE) or shown by a VEVENT of their own
    // (RECURRENCE-ID), as readings on the start's clock; sorted.
    std::vector<std::int64_t> skippedReadings;
    // Dates given to EXDATE for a series with a time of day: every
    // occurrence on such a date is left out. Civil day numbers; sorted.
    std::vector<std::int64_t> skippedDays;

    bool AllDay() const { return start.is_date != 0; }
    // `time` as a reading on the start's clock, the form skippedReadings
    // holds: a date for an all-day series.
    std::int64_t ReadingOf(const icaltimetype& time) const;
};

// Places the occurrences of `event` that overlap `window`: DTSTART, those
// of its rules (expanded by libical only as far as the window reaches) and
// its RDATEs, each once, without those it skips.
void PlaceOccurrences(const RecurringEvent& event, const QueryWindow& window,
                      const std::string& summary, EventDays& days);

}  // namespace tessarine
