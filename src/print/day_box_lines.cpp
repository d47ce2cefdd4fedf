// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/day_box_lines.h"

#include <cstdio>

namespace tessarine {

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6";

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The longest start of `text`, cut between characters, that fits with the
// ellipsis after it; trailing blanks go, so the ellipsis follows a word.
std::string CutToWidth(const std::string& text, double width, const TextWidthMeasure& measure) {
    if (measure(text) <= width) {
        return text;
    }
    std::vector<std::size_t> cuts;  // byte offsets of character starts
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsContinuationByte(text[i])) {
            cuts.push_back(i);
        }
    }
    // Widths grow with the length, so the longest fitting start is found by
    // halving; only a few measurements per line.
    std::size_t fits = 0;
    std::size_t low = 1;
    std::size_t high = cuts.size() - 1;
    while (low <= high) {
        const std::size_t middle = (low + high) / 2;
        if (measure(text.substr(0, cuts[middle]) + kEllipsis) <= width) {
            fits = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    std::string start = fits == 0 ? std::string() : text.substr(0, cuts[fits]);
    while (!start.empty() && start.back() == ' ') {
        start.pop_back();
    }
    return start + kEllipsis;
}

}  // namespace

std::string DayEventLine(const DayEvent& event, const EventTimeFormatter& formatTime) {
    if (!event.ShowsTime()) {
        return event.summary;
    }
    const std::string time = formatTime ? formatTime(event.hour, event.minute)
                                        : TwentyFourHourTime(event.hour, event.minute);
    return event.summary.empty() ? time : time + " " + event.summary;
}

std::string TwentyFourHourTime(int hour, int minute) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour % 100, minute % 100);
    return text;
}

std::vector<std::string> DayBoxLines(const std::vector<DayEvent>& events, const DayBox& box,
                                     const TextWidthMeasure& measure,
                                     const EventTimeFormatter& formatTime,
                                     const TextTranslator& translate) {
    std::vector<std::string> lines;
    if (box.lineCount <= 0 || events.empty()) {
        return lines;
    }
    const std::size_t room = static_cast<std::size_t>(box.lineCount);
    const std::size_t shown = events.size() <= room ? events.size() : room - 1;
    for (std::size_t i = 0; i < shown; ++i) {
        lines.push_back(CutToWidth(DayEventLine(events[i], formatTime), box.width, measure));
    }
    if (shown < events.size()) {
        const std::string more =
            FillPlaceholders(Translate(translate, "PrintedPage",
                                       TESSARINE_TRANSLATE_NOOP("PrintedPage", "+%1 more")),
                             {std::to_string(events.size() - shown)});
        lines.push_back(CutToWidth(more, box.width, measure));
    }
    return lines;
}

}  // namespace tessarine
