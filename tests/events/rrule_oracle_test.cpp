// SPDX-License-Identifier: GPL-3.0-or-later
// Random recurrence rules, read by us (through libical) and by an
// independent implementation: Debian's python3-dateutil, through
// rrule_oracle.py. The system's interpreter is named so that another one
// first on the PATH, with its own dateutil, is not asked instead.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "events_test_support.h"
#include "support/temp_dir.h"
#include "support/test_files.h"

namespace tessarine {
namespace {

std::filesystem::path OracleScript() {
    if (const char* root = std::getenv("TESSARINE_TEST_DATA")) {
        return std::filesystem::path(root) / "events" / "rrule_oracle.py";
    }
    return std::filesystem::path(__FILE__).parent_path() / "rrule_oracle.py";
}

std::vector<std::string> Lines(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(RruleOracleTest, RandomRulesGiveTheOccurrencesDateutilFinds) {
    // Floating times and dates: the local zone must not move them.
    const LocalZone zone("Europe/Berlin");
    const TempDir dir("tessarine-rrule");
    const std::string first = "20240101";
    const std::string last = "20251231";
    for (const char* seed : {"1", "2", "3"}) {
        SCOPED_TRACE(std::string("seed ") + seed);
        const std::filesystem::path ics = dir.path() / (std::string(seed) + ".ics");
        const std::filesystem::path expected = dir.path() / (std::string(seed) + ".txt");
        const std::string command = "/usr/bin/python3 '" + OracleScript().string() + "' " + seed +
                                    " 200 '" + ics.string() + "' '" + expected.string() + "' " +
                                    first + " " + last;
        ASSERT_EQ(std::system(command.c_str()), 0)
            << command << "\nneeds python3 and python3-dateutil";
        const EventCalendar calendar = EventCalendar::Read(ReadBytes(ics), ics.string());
        EXPECT_EQ(calendar.EventCount(), 200u);
        const std::vector<std::string> ours = EventLines(calendar, first, last);
        const std::vector<std::string> theirs = Lines(ReadBytes(expected));
        EXPECT_GT(theirs.size(), 1000u);
        EXPECT_EQ(ours, theirs);

        // A few weeks asked again, from what the first query expanded.
        std::vector<std::string> weeks;
        std::copy_if(theirs.begin(), theirs.end(), std::back_inserter(weeks),
                     [](const std::string& line) {
                         return line.substr(0, 8) >= "20250220" && line.substr(0, 8) <= "20250410";
                     });
        EXPECT_EQ(EventLines(calendar, "20250220", "20250410"), weeks);
    }
}

}  // namespace
}  // namespace tessarine
