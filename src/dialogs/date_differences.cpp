// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/date_differences.h"

namespace tessarine {

DateDifferenceTable ComputeDateDifferences(DateSerial markedDate1, DateSerial markedDate2,
                                           DateSerial markedDate3) {
    const std::array<DateSerial, 3> marks{markedDate1, markedDate2, markedDate3};
    DateDifferenceTable table;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string date = FormatDateSerial("yyyy-mm-dd", marks[i]);
        table.columnHeaders[i] = {date, ColorSet::HeaderFaceColor};
        table.rowHeaders[i] = {date, ColorSet::HeaderFaceColor};
    }
    for (std::size_t i = 0; i < 3; ++i) {
        for (std::size_t j = 0; j < 3; ++j) {
            // The diagonal is a fixed "0", whatever a subtraction would say.
            table.days[i][j] = i == j ? 0 : DayDifference(marks[i], marks[j]);
            table.cells[i][j] = {std::to_string(table.days[i][j]), ColorSet::DayColor};
        }
    }
    return table;
}

}  // namespace tessarine
