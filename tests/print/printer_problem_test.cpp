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

}  // namespace
}  // namespace tessarine
