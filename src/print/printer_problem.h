#pragma once

#include <string>

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

}  // namespace tessarine
