// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printer_problem.h"

namespace tessarine {

namespace {

constexpr const char* kErrorsContext = "Errors";

// IPP status codes from here on are client or server errors; below are
// successes (some with remarks) and redirections.
constexpr int kFirstErrorStatus = 0x0400;

// The system's words end the message as a sentence of their own.
std::string WithoutClosingStop(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' ')) text.pop_back();
    return text;
}

// The state message when there is one, else the reason keywords.
std::string QueueReason(const QueueFacts& facts) {
    if (!WithoutClosingStop(facts.stateMessage).empty()) return facts.stateMessage;
    std::string reasons;
    for (const std::string& reason : facts.stateReasons) {
        if (reason == "none" || reason.empty()) continue;
        if (!reasons.empty()) reasons += ", ";
        reasons += reason;
    }
    return reasons;
}

std::string WithReason(std::string message, const std::string& reason,
                       const TextTranslator& translate) {
    const std::string words = WithoutClosingStop(reason);
    if (words.empty()) return message;
    const std::string pattern =
        Translate(translate, kErrorsContext,
                  TESSARINE_TRANSLATE_NOOP("Errors", "The printing service reports: %1."));
    return message + " " + FillPlaceholders(pattern, {words});
}

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

std::string QueueProblemMessage(const QueueFacts& facts, const TextTranslator& translate) {
    const char* pattern = nullptr;
    if (!facts.acceptingJobs) {
        pattern = TESSARINE_TRANSLATE_NOOP(
            "Errors",
            "The printer \"%1\" is not accepting jobs, so nothing was printed. Let it accept "
            "jobs again in the system's printer settings (for example 'sudo cupsaccept %1') and "
            "print again.");
    } else if (facts.state == kQueueStopped) {
        // A stopped queue would keep the job; the user would wait for a
        // page that never comes.
        pattern = TESSARINE_TRANSLATE_NOOP(
            "Errors",
            "The printer \"%1\" is stopped, so nothing was printed. Resume it in the system's "
            "printer settings (for example 'sudo cupsenable %1') and print again.");
    } else {
        return {};
    }
    return WithReason(
        FillPlaceholders(Translate(translate, kErrorsContext, pattern), {facts.queue}),
        QueueReason(facts), translate);
}

std::string SubmissionProblemMessage(const std::string& queue, const SubmissionFacts& facts,
                                     const TextTranslator& translate) {
    if (facts.status < kFirstErrorStatus) return {};
    const std::string pattern = Translate(
        translate, kErrorsContext,
        TESSARINE_TRANSLATE_NOOP("Errors",
                                 "The printer \"%1\" refused the job, so nothing was printed. "
                                 "Check the printer in the system's printer settings and print "
                                 "again."));
    return WithReason(FillPlaceholders(pattern, {queue}), facts.statusText, translate);
}

}  // namespace tessarine
