// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/date_serial.h"

namespace tessarine {

// The three dates the user marks for the current run. They are never stored:
// every run starts with all three on today.
struct MarkedDates {
    DateSerial MarkedDate1 = 0;
    DateSerial MarkedDate2 = 0;
    DateSerial MarkedDate3 = 0;

    static MarkedDates AllOn(DateSerial day) { return {day, day, day}; }

    // markNumber is 1..3; anything else is a programming error and throws
    // std::out_of_range.
    DateSerial Get(int markNumber) const;
    void Set(int markNumber, DateSerial date);

    bool operator==(const MarkedDates&) const = default;
};

}  // namespace tessarine
