// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "calendar/date_serial.h"

namespace tessarine {

// A date from plain ints, for test tables.
inline DateSerial Date(int year, int month, int day) {
    return EncodeDateSerial(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                            static_cast<std::uint16_t>(day));
}

}  // namespace tessarine
