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

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

struct IteratorDeleter {
    void operator()(icalrecur_iterator* iterator) const { icalrecur_iterator_free(iterator); }
};

struct Candidate {
    std::int64_t reading = 0;
    std::int64_t length = 0;
};

// Adds the rule's occurrences whose readings may overlap [from, to).
void ExpandRule(const RecurringEvent& event, const std::string& rule, std::int64_t from,
                std::int64_t to, std::vector<Candidate>& out) {
    const icalrecurrencetype recurrence = icalrecurrencetype_from_string(rule.c_str());
    if (recurrence.freq == ICAL_NO_RECURRENCE) return;
    const std::unique_ptr<icalrecur_iterator, IteratorDeleter> iterator(
        icalrecur_iterator_new(recurrence, event.start));
    if (!iterator) return;
    // A rule with COUNT must be counted from its start; any other is
    // started near the window.
    const std::int64_t jump = from - event.length - kSecondsPerDay;
    if (recurrence.count == 0 && jump > ReadingSeconds(event.start)) {
        icalrecur_iterator_set_start(iterator.get(),
                                     TimeOfReading(jump, event.AllDay(), event.start.zone));
    }
    for (int step = 0; step < kMaxStepsPerRule; ++step) {
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next)) return;
        const std::int64_t reading = ReadingSeconds(next);
        if (reading >= to) return;
        if (reading + event.length >= from) out.push_back({reading, event.length});
    }
}

bool Skipped(const RecurringEvent& event, std::int64_t reading) {
    return std::binary_search(event.skippedReadings.begin(), event.skippedReadings.end(),
                              reading) ||
           (!event.AllDay() &&
            std::binary_search(event.skippedDays.begin(), event.skippedDays.end(),
                               FloorDiv(reading, kSecondsPerDay)));
}

}  // namespace

std::int64_t RecurringEvent::ReadingOf(const icaltimetype& time) const {
    if (AllDay()) return FloorDiv(ReadingSeconds(time), kSecondsPerDay) * kSecondsPerDay;
    return ReadingSeconds(ReadOnClockOf(time, start.zone));
}

void PlaceOccurrences(const RecurringEvent& event, const QueryWindow& window,
                      const std::string& summary, EventDays& days) {
    const bool instants = IsInstant(event.start);
    const std::int64_t from = instants ? window.utcFrom : window.wallFrom;
    const std::int64_t to = instants ? window.utcTo : window.wallTo;
    const std::int64_t readingFrom = from - kClockMargin;
    const std::int64_t readingTo = to + kClockMargin;

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

    for (const Candidate& candidate : candidates) {
        if (candidate.reading + candidate.length < readingFrom || candidate.reading >= readingTo ||
            Skipped(event, candidate.reading)) {
            continue;
        }
        std::int64_t start = candidate.reading;
        if (instants) start = InstantOf(TimeOfReading(start, false, event.start.zone));
        const std::int64_t end = start + candidate.length;
        const bool overlaps = start < to && (end > from || (end == start && start >= from));
        if (!overlaps) continue;
        if (instants) {
            PlaceInstants(start, end, summary, days);
        } else {
            days.Place(start, end, event.AllDay(), summary);
        }
    }
}

}  // namespace tessarine
