// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "events/event_calendar_set.h"
#include "print/paper_size.h"
#include "print/print_job.h"

namespace tessarine {

// What the command line asks for.
struct PdfToolOptions {
    int format = 0;
    int pages = 1;
    std::optional<DateSerial> date;
    bool julian = false;
    bool none = false;
    std::optional<Paper> paper;
    std::string output;
    std::vector<std::string> calendars;  // files and addresses, in the order given
    // What they hold, read before any page is drawn; null without calendars.
    std::shared_ptr<const EventCalendarSet> events;
};

// Exit statuses, as the usage text gives them.
inline constexpr int kPdfToolWritten = 0;
inline constexpr int kPdfToolFailed = 1;
inline constexpr int kPdfToolBadArguments = 2;

// Writes the pages the options ask for; returns the exit status, or throws
// an exception whose what() is the user's message.
using PdfPageWriter = std::function<int(const PdfToolOptions&)>;

// Handles the command line (without the program's name): --help, --version
// and --list-formats, bad arguments, and otherwise `write`. Needs the
// application object, with the translations installed.
int RunPdfTool(const std::vector<std::string>& args, const PdfPageWriter& write);

// The paper the options name, or the one of the user's locale.
Paper PaperOf(const PdfToolOptions& options);
// Reads the calendars the options name, fetching addresses (or taking the
// copies kept of them). Throws an exception whose what() is the user's
// message, naming the source, when one cannot be had or is no iCalendar.
std::shared_ptr<const EventCalendarSet> ReadCalendars(const std::vector<std::string>& sources);
// Draws every page the options ask for on devices from `makeDevice`.
void PrintRequestedPages(const PdfToolOptions& options, PrintDeviceFactory makeDevice);

// Keeps Qt's own notes about the session (no runtime directory for a root
// run without a desktop) from the user; real warnings still go through.
void QuietQtNotes();

}  // namespace tessarine
