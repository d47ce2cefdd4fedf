#include "print/printer_problem.h"

namespace tessarine {

namespace {

constexpr const char* kErrorsContext = "Errors";

}  // namespace

std::string PrinterProblemMessage(const PrinterFacts& facts, const TextTranslator& translate) {
    if (!facts.schedulerReachable) {
        return Translate(
            translate, kErrorsContext,
            TESSARINE_TRANSLATE_NOOP(
                "Errors",
                "The printing service is not running, so no printer can be reached. "
                "Start it (for example 'sudo systemctl start cups') and print again."));
    }
    if (!facts.namedPrinter.empty()) {
        if (facts.namedPrinterExists) return {};
        const std::string pattern = Translate(
            translate, kErrorsContext,
            TESSARINE_TRANSLATE_NOOP("Errors",
                                     "The printer \"%1\" named by the %2 setting does not exist. "
                                     "Correct or remove %2, or set up a printer of that name, and "
                                     "print again."));
        return FillPlaceholders(pattern, {facts.namedPrinter, facts.namingVariable});
    }
    return facts.hasDefaultPrinter ? std::string() : NoDefaultPrinterMessage(translate);
}

std::string NoDefaultPrinterMessage(const TextTranslator& translate) {
    return Translate(translate, kErrorsContext,
                     TESSARINE_TRANSLATE_NOOP("Errors",
                                              "No default printer is set up. Choose a default "
                                              "printer in the system's printer settings and print "
                                              "again."));
}

}  // namespace tessarine
