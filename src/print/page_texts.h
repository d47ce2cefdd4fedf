// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "calendar/text_catalog.h"
#include "print/print_job.h"

namespace tessarine {

// The texts the layouts write on paper, in the user's language when the
// environment carries a translator. Sources are marked with
// TESSARINE_TRANSLATE_NOOP("PrintedPage", ...).
inline constexpr const char* kPrintedPageContext = "PrintedPage";

std::string PageText(const PrintEnvironment& environment, const char* source);

// Seven weekday letters from a space-separated list, such as "S M T W T F S";
// the English letters when a translation does not give seven.
std::array<std::string, 7> WeekdayInitials(const PrintEnvironment& environment,
                                           const char* englishInitials);

}  // namespace tessarine
