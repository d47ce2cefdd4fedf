// SPDX-License-Identifier: GPL-3.0-or-later
// The go-to-date parser on arbitrary text: it never fails, and every date it
// accepts is a real day within the supported years.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/goto_date.h"
#include "calendar/date_serial.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tessarine;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ParseStandardInteger(text);
    const auto date = ParseEnteredDate(text);
    if (!date) return 0;
    const DateFields fields = DecodeDateSerial(*date);
    if (fields.year < kFirstSupportedYear || fields.year > kLastSupportedYear ||
        EncodeDateSerial(fields) != *date) {
        std::abort();
    }
    return 0;
}
