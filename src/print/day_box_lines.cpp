#include "print/day_box_lines.h"

#include <cstdio>

namespace tessarine {

namespace {

constexpr const char* kEllipsis = "\xE2\x80\xA6";  // U+2026

bool StartsCodePoint(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::string WithoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// The text, or its longest start that fits with "…" after it (cut between
// characters only); empty when not even "…" fits.
std::string Fitted(const std::string& line, double boxWidth, const DayBoxText& text) {
    if (text.width(line) <= boxWidth) return line;
    std::vector<std::size_t> cuts;  // prefix lengths that end a character
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (StartsCodePoint(line[i])) cuts.push_back(i);
    }
    const auto shortened = [&](std::size_t cut) {
        return WithoutTrailingBlanks(line.substr(0, cuts[cut])) + kEllipsis;
    };
    if (text.width(shortened(0)) > boxWidth) return {};
    // Widths grow with the prefix, so the longest one that fits is found by
    // halving.
    std::size_t fits = 0;
    std::size_t tooWide = cuts.size();
    while (tooWide - fits > 1) {
        const std::size_t middle = fits + (tooWide - fits) / 2;
        if (text.width(shortened(middle)) <= boxWidth) {
            fits = middle;
        } else {
            tooWide = middle;
        }
    }
    return shortened(fits);
}

std::string EventLine(const DayEvent& event, const DayBoxText& text) {
    if (!event.ShowsTime()) return event.summary;
    const std::string time = text.formatTime ? text.formatTime(event.hour, event.minute)
                                             : TwentyFourHourTime(event.hour, event.minute);
    return time + " " + event.summary;
}

}  // namespace

std::string TwentyFourHourTime(int hour, int minute) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", hour % 100, minute % 100);
    return text;
}

std::vector<std::string> DayBoxLines(const std::vector<DayEvent>& events, double boxWidth,
                                     int lineCount, const DayBoxText& text) {
    std::vector<std::string> lines;
    if (lineCount <= 0 || events.empty()) return lines;
    const std::size_t available = static_cast<std::size_t>(lineCount);
    const std::size_t shown = events.size() <= available ? events.size() : available - 1;
    for (std::size_t i = 0; i < shown; ++i) {
        lines.push_back(Fitted(EventLine(events[i], text), boxWidth, text));
    }
    if (shown < events.size()) {
        const std::string more =
            //: The last line of a day box whose events do not all fit: %1 counts those left out.
            FillPlaceholders(Translate(text.translate, "PrintedPage",
                                       TESSARINE_TRANSLATE_NOOP("PrintedPage", "+%1 more")),
                             {std::to_string(events.size() - shown)});
        lines.push_back(Fitted(more, boxWidth, text));
    }
    return lines;
}

}  // namespace tessarine
