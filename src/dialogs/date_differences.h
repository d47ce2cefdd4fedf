// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "calendar/color_set.h"
#include "calendar/date_serial.h"

namespace tessarine {

// One label of the differences dialog: its text and the slot of the active
// colour set that paints its background.
struct DateDiffLabel {
    std::string text;
    ColorSet::Slot colorSlot = ColorSet::DayColor;

    bool operator==(const DateDiffLabel&) const = default;
};

// Everything the differences dialog shows for three marks.
struct DateDifferenceTable {
    // days[i][j] = mark i+1 minus mark j+1, in whole days.
    std::array<std::array<std::int64_t, 3>, 3> days{};
    std::array<DateDiffLabel, 3> columnHeaders;         // c1, c2, c3
    std::array<DateDiffLabel, 3> rowHeaders;            // r1, r2, r3
    std::array<std::array<DateDiffLabel, 3>, 3> cells;  // cells[i][j] is r<i+1>c<j+1>
    ColorSet::Slot backgroundSlot = ColorSet::BackgroundColor;
};

DateDifferenceTable ComputeDateDifferences(DateSerial markedDate1, DateSerial markedDate2,
                                           DateSerial markedDate3);

}  // namespace tessarine
