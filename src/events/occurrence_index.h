// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace tessarine {

// An event that happens once, as seconds in one time frame (instants or
// wall-clock readings) and the summary it shows.
struct IndexedSpan {
    std::int64_t start = 0;
    std::int64_t end = 0;  // not before start
    std::uint32_t summary = 0;
    bool allDay = false;
};

// Whether the span overlaps [from, to): a span that lasts no time does when
// it starts within it.
inline bool Overlaps(const IndexedSpan& s, std::int64_t from, std::int64_t to) {
    return s.start < to && (s.end > from || (s.end == s.start && s.start >= from));
}

// Events that happen once, sorted by start, so that those of a few days are
// found among a hundred thousand without looking at the rest.
class OccurrenceIndex {
  public:
    void Add(const IndexedSpan& span);
    // Sorts what was added; call once, after the last Add.
    void Finish();

    // Calls visit(span) for each span that overlaps [from, to), and for
    // each that lasts no time and starts within it.
    template <typename Visit>
    void ForEachOverlapping(std::int64_t from, std::int64_t to, Visit&& visit) const {
        for (auto it = FirstStartingFrom(from - longest_); it != spans_.end() && it->start < to;
             ++it) {
            if (Overlaps(*it, from, to)) visit(*it);
        }
        for (const IndexedSpan& span : long_) {
            if (Overlaps(span, from, to)) visit(span);
        }
    }

  private:
    std::vector<IndexedSpan>::const_iterator FirstStartingFrom(std::int64_t start) const;

    std::vector<IndexedSpan> spans_;  // sorted by start
    // Spans longer than a few weeks: few, and looked at on every query so
    // that they do not widen the search among the others.
    std::vector<IndexedSpan> long_;
    std::int64_t longest_ = 0;  // among spans_
};

}  // namespace tessarine
