// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace tessarine {

// What can be told from a calendar's text without reading it as iCalendar:
// enough to refuse what is no calendar at all and to name the line where a
// calendar libical refuses goes wrong.

// A fault in the text: its line (1-based; 0 for the whole text) and an
// English reason of the "Errors" translation context.
struct CalendarTextFault {
    int line = 0;
    const char* reason = nullptr;
};

// The text without a leading UTF-8 byte-order mark.
std::string_view WithoutByteOrderMark(std::string_view bytes);

// A fault unless the first line that is not blank opens a VCALENDAR.
std::optional<CalendarTextFault> NotACalendar(std::string_view text);

// The first BEGIN that is never ended or END that closes nothing open, by
// the component names on those lines; nothing when they pair up.
std::optional<CalendarTextFault> UnbalancedComponent(std::string_view text);

}  // namespace tessarine
