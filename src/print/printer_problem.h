// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "calendar/text_catalog.h"

namespace tessarine {

// What the printing system answered when asked for the default printer.
struct PrinterFacts {
    bool schedulerReachable = true;
    // The environment variable that names the printer to use ("LPDEST" or
    // "PRINTER") and the name it holds; both empty when none is set.
    std::string namingVariable;
    std::string namedPrinter;
    bool namedPrinterExists = false;
    bool hasDefaultPrinter = false;
};

// Why nothing can be printed, as a message that says what to do; empty when
// there is a printer to print on.
std::string PrinterProblemMessage(const PrinterFacts& facts, const TextTranslator& translate = {});

// The message for a system without a default printer.
std::string NoDefaultPrinterMessage(const TextTranslator& translate = {});

// IPP's printer-state value of a stopped (paused) queue.
inline constexpr int kQueueStopped = 5;

// A queue's state as the printing system reports it. The defaults are a
// queue that takes jobs, which is what counts when the system cannot be
// asked: the hand-over then has the last word.
struct QueueFacts {
    std::string queue;
    bool acceptingJobs = true;
    int state = 3;  // IPP printer-state: 3 idle, 4 printing, 5 stopped
    std::string stateMessage;
    std::vector<std::string> stateReasons;  // IPP keywords; "none" when all is well
};

// Why the queue will not print a job handed to it now, with the system's
// reason where it gives one; empty when it will.
std::string QueueProblemMessage(const QueueFacts& facts, const TextTranslator& translate = {});

// The printing system's answer to a job handed to a queue.
struct SubmissionFacts {
    int status = 0;          // IPP status code
    std::string statusText;  // the system's own words for it
};

// Why the queue refused the job; empty when the job was taken.
std::string SubmissionProblemMessage(const std::string& queue, const SubmissionFacts& facts,
                                     const TextTranslator& translate = {});

}  // namespace tessarine
