// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/marked_dates.h"

#include <stdexcept>
#include <string>

namespace tessarine {

namespace {

template <typename Marks>
auto& MarkRef(Marks& marks, int markNumber) {
    switch (markNumber) {
        case 1:
            return marks.MarkedDate1;
        case 2:
            return marks.MarkedDate2;
        case 3:
            return marks.MarkedDate3;
        default:
            throw std::out_of_range("no marked date " + std::to_string(markNumber));
    }
}

}  // namespace

DateSerial MarkedDates::Get(int markNumber) const {
    return MarkRef(*this, markNumber);
}

void MarkedDates::Set(int markNumber, DateSerial date) {
    MarkRef(*this, markNumber) = date;
}

}  // namespace tessarine
