// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "calendar/text_catalog.h"

namespace tessarine {

// The words that tell how old the kept copy of a published calendar is,
// for the notice that says it is shown in place of the address: "showing
// the copy from 3 hours ago". A copy a week old or older is named by its
// date, `copyDate` as the user's locale writes it, since "23 days ago"
// makes the reader count. A copy from the future (a clock set back) reads
// as from a moment ago.
std::string KeptCopyAgeText(std::int64_t ageSeconds, std::string_view copyDate,
                            const TextTranslator& translate = {});

}  // namespace tessarine
