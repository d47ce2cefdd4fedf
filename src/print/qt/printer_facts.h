// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "print/printer_problem.h"

namespace tessarine {

// Asks the printing system (CUPS) whether it can be reached, whether the
// printer that LPDEST or PRINTER names exists, and whether a default
// printer is set up.
PrinterFacts QueryPrinterFacts();

// Asks the printing system for the state of the queue that prints for
// printerName. A system that cannot be asked leaves the defaults: a queue
// that takes jobs.
QueueFacts QueryQueueFacts(const std::string& printerName);

// The printing system's answer to the last request this thread made: read
// right after a job was handed over, the answer to that hand-over.
SubmissionFacts LastSubmissionFacts();

}  // namespace tessarine
