// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/printer_problem.h"

#include <gtest/gtest.h>

namespace tessarine {
namespace {

TEST(PrinterProblemTest, EachCauseSendsTheUserToItsOwnFix) {
    struct Case {
        PrinterFacts facts;
        const char* expectedStart;  // empty: printing can go ahead
    };
    const Case cases[] = {
        {{false, "PRINTER", "office", false, false}, "The printing service is not running"},
        {{true, "PRINTER", "office", false, true},
         "The printer \"office\" named by the PRINTER setting does not exist"},
        {{true, "LPDEST", "office", true, false}, ""},
        {{true, "", "", false, false}, "No default printer is set up"},
        {{true, "", "", false, true}, ""},
    };
    for (const Case& c : cases) {
        const std::string message = PrinterProblemMessage(c.facts);
        EXPECT_EQ(message.substr(0, std::string(c.expectedStart).size()), c.expectedStart)
            << message;
        EXPECT_EQ(message.empty(), *c.expectedStart == '\0') << message;
    }
}

// The queue's own state decides first; the system's reason is added when it
// gives one, whatever its form.
TEST(PrinterProblemTest, RefusingQueueIsNamedWithTheSystemsReason) {
    const std::string reports = " The printing service reports: ";
    const std::string rejecting =
        "The printer \"lab\" is not accepting jobs, so nothing was printed. Let it accept jobs "
        "again in the system's printer settings (for example 'sudo cupsaccept lab') and print "
        "again.";
    const std::string stopped =
        "The printer \"lab\" is stopped, so nothing was printed. Resume it in the system's "
        "printer settings (for example 'sudo cupsenable lab') and print again.";
    const std::string refused =
        "The printer \"lab\" refused the job, so nothing was printed. Check the printer in the "
        "system's printer settings and print again.";
    struct Case {
        QueueFacts queue;
        SubmissionFacts submission;
        std::string queueMessage;
        std::string submissionMessage;
    };
    const Case cases[] = {
        {{"lab", false, 5, "Rejecting Jobs", {"paused"}},
         {},
         rejecting + reports + "Rejecting Jobs.",
         ""},
        {{"lab", true, 5, "", {"none", "paused", "toner-low-report"}},
         {},
         stopped + reports + "paused, toner-low-report.",
         ""},
        {{"lab", true, 5, " . ", {"none"}}, {}, stopped, ""},
        {{"lab", true, 4, "Printing page 2", {"none"}}, {0x0001, "successful-ok-ignored"}, "", ""},
        {{"lab", true, 3, "", {}},
         {0x0400, "Not allowed to print."},
         "",
         refused + reports + "Not allowed to print."},
        {{"lab", true, 3, "", {}}, {0x0507, ""}, "", refused},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(QueueProblemMessage(c.queue), c.queueMessage);
        EXPECT_EQ(SubmissionProblemMessage("lab", c.submission), c.submissionMessage);
    }
}

}  // namespace
}  // namespace tessarine
