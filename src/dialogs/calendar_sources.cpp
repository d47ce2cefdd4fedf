// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/calendar_sources.h"

#include <algorithm>
#include <array>
#include <optional>

namespace tessarine {

namespace {

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(),
                      [](char a, char b) { return AsciiLower(a) == AsciiLower(b); });
}

constexpr std::array<std::string_view, 3> kAddressSchemes{"https://", "http://", "webcal://"};

std::vector<std::string> ReadTexts(RegistryKey& key, std::string_view name) {
    const std::optional<RegistryValue> value = key.ReadValue(name);
    if (!value) return {};
    return value->AsMultiText().value_or(std::vector<std::string>{});
}

}  // namespace

bool HasCalendarAddressScheme(std::string_view text) {
    return std::any_of(kAddressSchemes.begin(), kAddressSchemes.end(),
                       [text](std::string_view scheme) { return StartsWithNoCase(text, scheme); });
}

bool CalendarSource::IsAddress() const {
    return HasCalendarAddressScheme(location);
}

bool IsCalendarAddress(std::string_view text) {
    for (std::string_view scheme : kAddressSchemes) {
        if (!StartsWithNoCase(text, scheme)) continue;
        const std::string_view rest = text.substr(scheme.size());
        const std::string_view host = rest.substr(0, rest.find_first_of("/?#"));
        const bool blank = std::any_of(text.begin(), text.end(), [](char c) {
            return static_cast<unsigned char>(c) <= ' ' || c == 0x7F;
        });
        return !host.empty() && host.front() != ':' && !blank;
    }
    return false;
}

bool CalendarSources::Add(const std::string& location) {
    const bool listed = std::any_of(entries_.begin(), entries_.end(), [&](const CalendarSource& s) {
        return s.location == location;
    });
    if (listed || location.empty()) return false;
    entries_.push_back(CalendarSource{location, true});
    return true;
}

void CalendarSources::Remove(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<long>(index));
}

void CalendarSources::SetShown(std::size_t index, bool shown) {
    if (index < entries_.size()) entries_[index].shown = shown;
}

CalendarSources CalendarSources::Read(Registry& registry) {
    CalendarSources sources;
    const auto key = registry.CreateKey(RegistryRoot::CurrentUser, kCalendarsKey);
    if (key == nullptr) return sources;
    const std::vector<std::string> hidden = ReadTexts(*key, kHiddenCalendarsValue);
    for (const std::string& location : ReadTexts(*key, kCalendarSourcesValue)) {
        if (sources.Add(location)) {
            sources.entries_.back().shown =
                std::find(hidden.begin(), hidden.end(), location) == hidden.end();
        }
    }
    return sources;
}

void CalendarSources::Write(Registry& registry) const {
    const auto key = registry.CreateKey(RegistryRoot::CurrentUser, kCalendarsKey);
    if (key == nullptr) {
        throw RegistryError("Failed to set data for '" + std::string(kCalendarSourcesValue) + "'");
    }
    std::vector<std::string> all;
    std::vector<std::string> hidden;
    for (const CalendarSource& source : entries_) {
        all.push_back(source.location);
        if (!source.shown) hidden.push_back(source.location);
    }
    key->WriteValue(kCalendarSourcesValue, RegistryValue::MakeMultiText(all));
    key->WriteValue(kHiddenCalendarsValue, RegistryValue::MakeMultiText(hidden));
}

}  // namespace tessarine
