// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry.h"

namespace tessarine {

// Where the user's calendars are kept below the current user's root.
inline constexpr std::string_view kCalendarsKey = "Software\\tessarine\\Calendars";
inline constexpr std::string_view kCalendarSourcesValue = "Sources";
inline constexpr std::string_view kHiddenCalendarsValue = "Hidden";

// One calendar the user chose: an .ics file's path or a web address.
struct CalendarSource {
    std::string location;
    bool shown = true;

    bool IsAddress() const;
    bool operator==(const CalendarSource&) const = default;
};

// Whether text names an address rather than a file: "https://", "http://"
// or "webcal://" in any case, whatever follows.
bool HasCalendarAddressScheme(std::string_view text);

// Whether text is an address a calendar can be fetched from: "https://",
// "http://" or "webcal://" (any case) followed by a host without blanks.
bool IsCalendarAddress(std::string_view text);

// The user's calendars in the order the dialog shows them. Stored as two
// lists of texts: every source, and those of them turned off.
class CalendarSources {
  public:
    const std::vector<CalendarSource>& Entries() const { return entries_; }
    bool Empty() const { return entries_.empty(); }

    // Returns false, and changes nothing, for a location already listed.
    bool Add(const std::string& location);
    void Remove(std::size_t index);
    void SetShown(std::size_t index, bool shown);

    // What was stored; nothing when the key or its values are missing or of
    // another type. The key is opened through CreateKey: where a missing key
    // must stay missing (at start-up), hand in a store that may only read.
    static CalendarSources Read(Registry& registry);
    // Throws RegistryError when the values cannot be stored.
    void Write(Registry& registry) const;

    bool operator==(const CalendarSources&) const = default;

  private:
    std::vector<CalendarSource> entries_;
};

}  // namespace tessarine
