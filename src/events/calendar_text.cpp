// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/calendar_text.h"

#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "calendar/text_catalog.h"

namespace tessarine {

namespace {

// Calls visit(lineNumber, line) for each line, without its line break.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
    int number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!visit(++number, line)) return;
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::string Upper(std::string_view s) {
    std::string upper(s);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

// The component name after "BEGIN:" or "END:", or nothing.
std::optional<std::string> NameAfter(std::string_view line, std::string_view keyword) {
    // A folded line's continuation starts with a blank and names nothing.
    if (line.empty() || line.front() == ' ' || line.front() == '\t') return std::nullopt;
    const std::string upper = Upper(Trimmed(line));
    if (upper.compare(0, keyword.size(), keyword) != 0) return std::nullopt;
    return std::string(Trimmed(std::string_view(upper).substr(keyword.size())));
}

}  // namespace

std::string_view WithoutByteOrderMark(std::string_view bytes) {
    constexpr std::string_view kMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kMark.size()) == kMark) bytes.remove_prefix(kMark.size());
    return bytes;
}

std::optional<CalendarTextFault> NotACalendar(std::string_view text) {
    std::optional<CalendarTextFault> fault =
        CalendarTextFault{0, TESSARINE_TRANSLATE_NOOP("Errors", "This is not an iCalendar file.")};
    ForEachLine(text, [&](int number, std::string_view line) {
        if (Trimmed(line).empty()) return true;
        if (NameAfter(line, "BEGIN:") == "VCALENDAR") {
            fault.reset();
        } else {
            fault->line = number;
        }
        return false;
    });
    return fault;
}

std::optional<CalendarTextFault> UnbalancedComponent(std::string_view text) {
    std::vector<std::pair<std::string, int>> open;
    std::optional<CalendarTextFault> fault;
    ForEachLine(text, [&](int number, std::string_view line) {
        if (auto name = NameAfter(line, "BEGIN:")) {
            open.emplace_back(std::move(*name), number);
        } else if (auto ended = NameAfter(line, "END:")) {
            if (open.empty()) {
                fault = CalendarTextFault{
                    number, TESSARINE_TRANSLATE_NOOP("Errors",
                                                     "This END closes no component that is open.")};
                return false;
            }
            if (open.back().first != *ended) {
                fault = CalendarTextFault{
                    number,
                    TESSARINE_TRANSLATE_NOOP("Errors", "This END does not match the last BEGIN.")};
                return false;
            }
            open.pop_back();
        }
        return true;
    });
    if (!fault && !open.empty()) {
        fault = CalendarTextFault{
            open.back().second,
            TESSARINE_TRANSLATE_NOOP("Errors",
                                     "This component is never ended: the file may be cut short.")};
    }
    return fault;
}

}  // namespace tessarine
