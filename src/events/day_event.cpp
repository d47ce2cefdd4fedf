// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/day_event.h"

#include <algorithm>
#include <cmath>

#include "events/local_clock.h"

namespace tessarine {

bool ShownBefore(const DayEvent& a, const DayEvent& b) {
    if (a.ShowsTime() != b.ShowsTime()) return !a.ShowsTime();
    if (a.ShowsTime()) {
        const int startA = a.hour * 60 + a.minute;
        const int startB = b.hour * 60 + b.minute;
        if (startA != startB) return startA < startB;
    }
    return a.summary < b.summary;
}

EventDays::EventDays(DateSerial first, DateSerial last)
    : first_(static_cast<std::int64_t>(std::floor(first))) {
    const auto lastDay = static_cast<std::int64_t>(std::floor(last));
    if (lastDay >= first_) days_.resize(static_cast<std::size_t>(lastDay - first_ + 1));
}

const std::vector<DayEvent>& EventDays::On(DateSerial day) const {
    static const std::vector<DayEvent> kNone;
    const std::int64_t index = static_cast<std::int64_t>(std::floor(day)) - first_;
    if (index < 0 || index >= DayCount()) return kNone;
    return days_[static_cast<std::size_t>(index)];
}

void EventDays::Place(WallSeconds wallStart, WallSeconds wallEnd, bool allDay,
                      const std::string& summary) {
    const std::int64_t startDay = FloorDivide(wallStart, kSecondsPerDay) + kUnixEpochSerial;
    const std::int64_t endDay = wallEnd > wallStart
                                    ? FloorDivide(wallEnd - 1, kSecondsPerDay) + kUnixEpochSerial
                                    : startDay;
    const std::int64_t from = std::max(startDay, first_);
    const std::int64_t to = std::min(endDay, first_ + DayCount() - 1);
    if (from > to) return;
    const std::int64_t secondOfDay = wallStart - (startDay - kUnixEpochSerial) * kSecondsPerDay;
    DayEvent event{summary, allDay, false, static_cast<std::uint8_t>(secondOfDay / 3600),
                   static_cast<std::uint8_t>(secondOfDay % 3600 / 60)};
    for (std::int64_t day = from; day <= to; ++day) {
        event.continued = day > startDay;
        days_[static_cast<std::size_t>(day - first_)].push_back(event);
    }
}

void EventDays::Sort() {
    for (auto& day : days_) std::sort(day.begin(), day.end(), ShownBefore);
}

}  // namespace tessarine
