// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/occurrence_index.h"

#include <algorithm>

namespace tessarine {

namespace {

constexpr std::int64_t kLongSpanSeconds = 35 * 86400;

}  // namespace

void OccurrenceIndex::Add(const IndexedSpan& span) {
    if (span.end - span.start > kLongSpanSeconds) {
        long_.push_back(span);
        return;
    }
    spans_.push_back(span);
    longest_ = std::max(longest_, span.end - span.start);
}

void OccurrenceIndex::Finish() {
    std::stable_sort(spans_.begin(), spans_.end(),
                     [](const IndexedSpan& a, const IndexedSpan& b) { return a.start < b.start; });
}

std::vector<IndexedSpan>::const_iterator OccurrenceIndex::FirstStartingFrom(
    std::int64_t start) const {
    return std::lower_bound(
        spans_.begin(), spans_.end(), start,
        [](const IndexedSpan& span, std::int64_t value) { return span.start < value; });
}

}  // namespace tessarine
