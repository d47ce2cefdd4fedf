// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/ical_series.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace tessarine {

namespace {

// A rule that never ends is expanded only over the days asked for; this
// bounds what one series may cost a query when its rule counts from a
// start long before them or yields occurrences every second.
constexpr int kMaxStepsPerRule = 500000;
// Readings on a zone's clock differ from instants by less than this.
constexpr std::int64_t kClockMargin = 2 * kSecondsPerDay;

struct IteratorDeleter {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};

struct Candidate {
    std::int64_t reading = 0;
    std::int64_t length = 0;
};

// Adds the rule's occurrences whose readings lie within [from, to).
void ExpandRule(const RecurringEvent& event, const std::string& rule, std::int64_t from,
                std::int64_t to, std::vector<Candidate>& out) {
    const icalrecurrencetype recurrence = icalrecurrencetype_from_string(rule.c_str());
    if (recurrence.freq == ICAL_NO_RECURRENCE) return;
    const std::unique_ptr<icalrecur_iterator, IteratorDeleter> iterator(
        icalrecur_iterator_new(recurrence, event.start));
    if (!iterator) return;
    // A rule with COUNT must be counted from its start; any other is
    // started near the window.
    const std::int64_t jump = from - kSecondsPerDay;
    if (recurrence.count == 0 && jump > ReadingSeconds(event.start)) {
        icalrecur_iterator_set_start(iterator.get(),
                                     TimeOfReading(jump, event.AllDay(), event.start.zone));
    }
    for (int step = 0; step < kMaxStepsPerRule; ++step) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next)) return;
        const std::int64_t reading = ReadingSeconds(next);
        if (reading >= to) return;
        if (reading >= from) out.push_back({reading, event.length});
    }
}

bool Skipped(const RecurringEvent& event, std::int64_t reading) {
    return std::binary_search(event.skippedReadings.begin(), event.skippedReadings.end(),
                              reading) ||
           (!event.AllDay() &&
            std::binary_search(event.skippedDays.begin(), event.skippedDays.end(),
                               FloorDivide(reading, kSecondsPerDay)));
}

}  // namespace

std::int64_t RecurringEvent::Longest() const {
    std::int64_t longest = length;
    for (const ExtraStart& extra : extraStarts) longest = std::max(longest, extra.length);
    return longest;
}

std::int64_t RecurringEvent::ReadingOf(const icaltimetype& time) const {
    if (AllDay()) return FloorDivide(ReadingSeconds(time), kSecondsPerDay) * kSecondsPerDay;
    return ReadingSeconds(ReadOnClockOf(time, start.zone));
}

void ExpandOccurrences(const RecurringEvent& event, std::int64_t from, std::int64_t to,
                       std::vector<IndexedSpan>& out) {
    const std::int64_t readingFrom = from - kClockMargin;
    const std::int64_t readingTo = to + kClockMargin;
    if (event.lastReading < readingFrom || event.firstReading >= readingTo) return;

    std::vector<Candidate> candidates;
    // DTSTART is the first occurrence whether or not the rules yield it.
    candidates.push_back({ReadingSeconds(event.start), event.length});
    for (const std::string& rule : event.rules) {
        ExpandRule(event, rule, readingFrom, readingTo, candidates);
    }
    for (const RecurringEvent::ExtraStart& extra : event.extraStarts) {
        candidates.push_back({ReadingSeconds(extra.start), extra.length});
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.reading < b.reading; });
    candidates.erase(
        std::unique(candidates.begin(), candidates.end(),
                    [](const Candidate& a, const Candidate& b) { return a.reading == b.reading; }),
        candidates.end());

    const bool instants = IsInstant(event.start);
    for (const Candidate& candidate : candidates) {
        if (candidate.reading < readingFrom || candidate.reading >= readingTo ||
            Skipped(event, candidate.reading)) {
            continue;
        }
        std::int64_t start = candidate.reading;
        if (instants) start = InstantOf(TimeOfReading(start, false, event.start.zone));
        if (start < from || start >= to) continue;
        out.push_back({start, start + candidate.length, event.summary, event.AllDay()});
    }
}

}  // namespace tessarine
