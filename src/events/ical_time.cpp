// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/ical_time.h"

#include <array>
#include <string_view>

namespace tessarine {

void ZoneTable::AddDefinition(icalcomponent* vtimezone) {
    std::unique_ptr<icaltimezone, ZoneDeleter> zone(icaltimezone_new());
    // The zone takes the copy, so the parsed calendar can go once read.
    if (zone == nullptr ||
        !icaltimezone_set_component(zone.get(), icalcomponent_new_clone(vtimezone))) {
        return;
    }
    if (const char* tzid = icaltimezone_get_tzid(zone.get())) byName_[tzid] = zone.get();
    owned_.push_back(std::move(zone));
}

icaltimezone* ZoneTable::Find(const std::string& tzid) {
    if (const auto known = byName_.find(tzid); known != byName_.end()) return known->second;
    icaltimezone* zone = nullptr;
    static constexpr std::array<std::string_view, 5> kUtcNames{"UTC", "GMT", "Z", "Etc/UTC",
                                                               "Etc/GMT"};
    for (std::string_view name : kUtcNames) {
        if (tzid == name) zone = icaltimezone_get_utc_timezone();
    }
    // Names like "/example.org/20240101_1/Europe/Berlin" carry the zone's
    // name in their tail.
    for (std::size_t from = 0; zone == nullptr && from != std::string::npos;) {
        zone = icaltimezone_get_builtin_timezone(tzid.c_str() + from);
        from = tzid.find('/', from + 1);
        if (from != std::string::npos) ++from;
    }
    byName_[tzid] = zone;
    return zone;
}

icaltimetype WithZone(icaltimetype time, icalproperty* property, ZoneTable& zones) {
    if (time.is_date) {
        time.zone = nullptr;
        return time;
    }
    if (icaltime_is_utc(time)) return time;
    time.zone = nullptr;
    if (icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER)) {
        if (const char* name = icalparameter_get_tzid(tzid)) time.zone = zones.Find(name);
    }
    return time;
}

bool IsInstant(const icaltimetype& time) {
    return !time.is_date && time.zone != nullptr;
}

std::int64_t ReadingSeconds(const icaltimetype& time) {
    return CivilSeconds(time.year, time.month, time.day, time.is_date ? 0 : time.hour,
                        time.is_date ? 0 : time.minute, time.is_date ? 0 : time.second);
}

UtcSeconds InstantOf(const icaltimetype& time) {
    return ReadingSeconds(ReadOnClockOf(time, icaltimezone_get_utc_timezone()));
}

icaltimetype ReadOnClockOf(icaltimetype time, const icaltimezone* zone) {
    if (time.is_date || time.zone == nullptr || zone == nullptr || time.zone == zone) return time;
    icaltimezone_convert_time(&time, const_cast<icaltimezone*>(time.zone),
                              const_cast<icaltimezone*>(zone));
    time.zone = zone;
    return time;
}

icaltimetype TimeOfReading(std::int64_t civilSeconds, bool isDate, const icaltimezone* zone) {
    const CivilTime civil = CivilTimeOf(civilSeconds);
    icaltimetype time = icaltime_null_time();
    time.year = civil.year;
    time.month = civil.month;
    time.day = civil.day;
    if (isDate) {
        time.is_date = 1;
    } else {
        time.hour = civil.hour;
        time.minute = civil.minute;
        time.second = civil.second;
        time.zone = zone;
    }
    return time;
}

}  // namespace tessarine
