#pragma once

#include "print/printer_problem.h"

namespace tessarine {

// Asks the printing system (CUPS) whether it can be reached, whether the
// printer that LPDEST or PRINTER names exists, and whether a default
// printer is set up.
PrinterFacts QueryPrinterFacts();

}  // namespace tessarine
