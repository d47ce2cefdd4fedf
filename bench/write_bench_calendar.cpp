// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the benchmarks' calendar of 10,000 events to a file, for the
// scripts that time whole programs with it. With --list the file also
// becomes the user's only calendar, in the hives the program reads (a
// scratch folder when TESSARINE_REGISTRY_DIR names one).
//
//   write_bench_calendar FILE.ics [--list]

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench_calendar.h"
#include "dialogs/calendar_sources.h"
#include "platform/reg_hive_store.h"

namespace {

constexpr int kEvents = 10000;

void ListAsOnlyCalendar(const std::string& path) {
    tessarine::RegHiveStore store;
    tessarine::CalendarSources sources;
    sources.Add(std::filesystem::absolute(path).string());
    sources.Write(store);
}

}  // namespace

int main(int argc, char** argv) {
    const bool list = argc == 3 && std::string(argv[2]) == "--list";
    if (argc != 2 && !list) {
        std::fputs("usage: write_bench_calendar FILE.ics [--list]\n", stderr);
        return 2;
    }
    const std::string path = argv[1];
    try {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file << bench_calendar::Calendar(kEvents);
        file.close();
        if (!file) {
            std::fprintf(stderr, "write_bench_calendar: cannot write %s\n", path.c_str());
            return 1;
        }
        if (list) ListAsOnlyCalendar(path);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "write_bench_calendar: %s\n", failure.what());
        return 1;
    }
    return 0;
}
