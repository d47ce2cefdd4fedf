// SPDX-License-Identifier: GPL-3.0-or-later
// Pages printed without a calendar stay exactly what they were before
// calendars could be printed: the standard-font PDF of every format, byte for
// byte, against digests recorded from the program as it was; and so are
// pages with a calendar that has no events on their days.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>

#include "print/print_job.h"
#include "print/standard_font_pdf.h"
#include "support/test_files.h"

namespace tessarine {
namespace {

std::uint64_t Fnv1a(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

struct PageRun {
    int format;
    Paper paper;
    const char* date;  // YYYY-MM-DD
};

std::string Key(const PageRun& run) {
    return std::to_string(run.format) + (run.paper == Paper::A4 ? " a4 " : " letter ") + run.date;
}

DateSerial ParseIsoDate(const std::string& text) {
    return EncodeDateSerial(static_cast<std::uint16_t>(std::stoi(text.substr(0, 4))),
                            static_cast<std::uint16_t>(std::stoi(text.substr(5, 2))),
                            static_cast<std::uint16_t>(std::stoi(text.substr(8, 2))));
}

std::string PdfOf(const PageRun& run, const PrintEnvironment& base) {
    StandardFontPdf document("unused.pdf", run.paper);
    PrintEnvironment environment = base;
    environment.makeDevice = document.Factory();
    environment.localeNames = EnglishLocaleNames();
    PrintJobState job{ParseIsoDate(run.date), run.format, 1};
    PrintPages(job, environment);
    return document.Serialized();
}

std::map<std::string, std::string> RecordedDigests() {
    std::map<std::string, std::string> digests;
    std::istringstream lines(ReadBytes(TestDataFile(
        "print", "no_calendar_pages.txt", std::filesystem::path(__FILE__).parent_path())));
    for (std::string line; std::getline(lines, line);) {
        const std::size_t cut = line.rfind(' ');
        if (!line.empty() && line[0] != '#' && cut != line.npos) {
            digests[line.substr(0, cut)] = line.substr(cut + 1);
        }
    }
    return digests;
}

TEST(NoCalendarPagesTest, EveryFormatIsWhatItWasBeforeCalendars) {
    const std::map<std::string, std::string> recorded = RecordedDigests();
    ASSERT_FALSE(recorded.empty()) << "tests/print/data/no_calendar_pages.txt is missing";
    std::ostringstream actual;
    for (int format = 0; format < kPageFormatCount; ++format) {
        for (const PageRun run : {PageRun{format, Paper::Letter, "2024-02-27"},
                                  PageRun{format, Paper::Letter, "2025-03-01"},
                                  PageRun{format, Paper::A4, "1999-12-31"}}) {
            std::ostringstream digest;
            digest << std::hex << Fnv1a(PdfOf(run, PrintEnvironment()));
            actual << Key(run) << ' ' << digest.str() << '\n';
            const auto found = recorded.find(Key(run));
            EXPECT_TRUE(found != recorded.end() && found->second == digest.str())
                << Key(run) << " prints " << digest.str();
            // A calendar with nothing on the printed days changes nothing.
            PrintEnvironment quietCalendar;
            quietCalendar.eventsOfDays = [](DateSerial first, DateSerial last) {
                return EventDays(first, last);
            };
            EXPECT_EQ(PdfOf(run, quietCalendar), PdfOf(run, PrintEnvironment())) << Key(run);
        }
    }
    if (HasFailure()) {
        std::cout << "Digests of this build:\n" << actual.str();
    }
}

}  // namespace
}  // namespace tessarine
