// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the layouts write on paper go through the job's translator;
// without one, or with a translation that does not fit, they stay English.

#include "print/page_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/recording_print_device.h"

namespace tessarine {
namespace {

using Catalog = std::map<std::string, std::string>;

TextTranslator Translator(Catalog catalog) {
    return [catalog = std::move(catalog)](const char* context, const char* source) {
        const auto found = catalog.find(std::string(context) + "|" + source);
        return found == catalog.end() ? std::string(source) : found->second;
    };
}

PrintRecording PrintOnePage(int format, DateSerial date, const Catalog& catalog) {
    RecordingPrinter printer;
    PrintJobState job{date, format, 0};
    const PrintEnvironment environment{
        printer.Factory(), nullptr, false, false, EnglishLocaleNames(), Translator(catalog)};
    PrintPages(job, environment);
    return printer.Recording();
}

bool Printed(const PrintRecording& recording, const std::string& text) {
    return recording.FindText(text).has_value();
}

TEST(PageTextsTest, PlannerTitleFooterAndNotesAreTranslated) {
    const PrintRecording page = PrintOnePage(4, EncodeDateSerial(2024, 5, 15),
                                             {{"PrintedPage|Weekly Planner", "Wochenplaner"},
                                              {"PrintedPage|Notes", "Notizen"},
                                              {"PrintedPage|%1 to %2", "%1 bis %2"},
                                              {"PrintedPage|mmmm d, yyyy", "d. mmmm yyyy"}});
    EXPECT_TRUE(Printed(page, "13. May 2024 bis 19. May 2024"));
    EXPECT_TRUE(Printed(page, "Wochenplaner"));
    EXPECT_TRUE(Printed(page, "Notizen"));
    EXPECT_FALSE(Printed(page, "Notes"));
}

TEST(PageTextsTest, WeekdayLettersComeFromTheTranslationWhenItGivesSeven) {
    const Catalog spanish{{"PrintedPage|S M T W T F S", "D L M X J V S"},
                          {"PrintedPage|M T W T F S S", "L M X J V S D"}};
    for (const int format : {8, 10}) {  // Year View, Year Planner
        SCOPED_TRACE(format);
        const PrintRecording page = PrintOnePage(format, EncodeDateSerial(2025, 6, 1), spanish);
        EXPECT_TRUE(Printed(page, "X"));
        EXPECT_FALSE(Printed(page, "W"));
    }
    const Catalog tooShort{{"PrintedPage|M T W T F S S", "L M X"}};
    const PrintRecording page = PrintOnePage(10, EncodeDateSerial(2025, 6, 1), tooShort);
    EXPECT_TRUE(Printed(page, "W"));
    EXPECT_FALSE(Printed(page, "X"));
}

}  // namespace
}  // namespace tessarine
