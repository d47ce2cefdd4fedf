// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The calendar the benchmarks read: events from 2020 to 2030 in
// Europe/Berlin with its VTIMEZONE, one in ten a weekly series. The same
// seed gives the same calendar in every benchmark.

#include <cstdio>
#include <random>
#include <string>

namespace bench_calendar {

inline const char* const kBerlin =
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"
    "BEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nTZNAME:CEST\r\n"
    "DTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\n"
    "BEGIN:STANDARD\r\nTZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\n"
    "DTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\n"
    "END:VTIMEZONE\r\n";

inline std::string Stamp(int year, int month, int day, int hour, int minute) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02dT%02d%02d00", year, month, day, hour, minute);
    return text;
}

// `count` events from 2020 to 2030, one in ten a weekly series (some
// without end, some until a date, some counted), the others once: timed in
// Berlin, in UTC or all-day.
inline std::string Calendar(int count) {
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

}  // namespace bench_calendar
