#include "print/printer_problem.h"

namespace tessarine {

std::string PrinterProblemMessage(const PrinterFacts& facts) {
    if (!facts.schedulerReachable) {
        return "The printing service is not running, so no printer can be reached. Start it "
               "(for example 'sudo systemctl start cups') and print again.";
    }
    if (!facts.namedPrinter.empty()) {
        if (facts.namedPrinterExists) return {};
        return "The printer \"" + facts.namedPrinter + "\" named by the " + facts.namingVariable +
               " setting does not exist. Correct or remove " + facts.namingVariable +
               ", or set up a printer of that name, and print again.";
    }
    return facts.hasDefaultPrinter ? std::string() : NoDefaultPrinterMessage();
}

std::string NoDefaultPrinterMessage() {
    return "No default printer is set up. Choose a default printer in the system's printer "
           "settings and print again.";
}

}  // namespace tessarine
