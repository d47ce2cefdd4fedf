// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/kept_copy_age.h"

namespace tessarine {

namespace {

constexpr std::int64_t kMinute = 60;
constexpr std::int64_t kHour = 60 * kMinute;
constexpr std::int64_t kDay = 24 * kHour;
constexpr std::int64_t kWeek = 7 * kDay;

// Whole patterns for one and for more, so that each language words both;
// the languages we ship all use the singular for exactly one.
std::string Counted(std::int64_t count, const char* one, const char* many,
                    const TextTranslator& translate) {
    if (count == 1) return Translate(translate, "KeptCopy", one);
    return FillPlaceholders(Translate(translate, "KeptCopy", many), {std::to_string(count)});
}

}  // namespace

std::string KeptCopyAgeText(std::int64_t ageSeconds, std::string_view copyDate,
                            const TextTranslator& translate) {
    if (ageSeconds < kMinute) {
        return Translate(
            translate, "KeptCopy",
            TESSARINE_TRANSLATE_NOOP("KeptCopy", "showing the copy from less than a minute ago"));
    }
    if (ageSeconds < kHour) {
        return Counted(ageSeconds / kMinute,
                       TESSARINE_TRANSLATE_NOOP("KeptCopy", "showing the copy from 1 minute ago"),
                       //: %1 is a number of minutes, 2 or more.
                       TESSARINE_TRANSLATE_NOOP("KeptCopy", "showing the copy from %1 minutes ago"),
                       translate);
    }
    if (ageSeconds < kDay) {
        return Counted(ageSeconds / kHour,
                       TESSARINE_TRANSLATE_NOOP("KeptCopy", "showing the copy from 1 hour ago"),
                       //: %1 is a number of hours, 2 or more.
                       TESSARINE_TRANSLATE_NOOP("KeptCopy", "showing the copy from %1 hours ago"),
                       translate);
    }
    if (ageSeconds < kWeek) {
        return Counted(ageSeconds / kDay,
                       TESSARINE_TRANSLATE_NOOP("KeptCopy", "showing the copy from 1 day ago"),
                       //: %1 is a number of days, 2 to 6.
                       TESSARINE_TRANSLATE_NOOP("KeptCopy", "showing the copy from %1 days ago"),
                       translate);
    }
    return FillPlaceholders(
        //: %1 is the date the copy was fetched, as the locale writes dates.
        Translate(translate, "KeptCopy",
                  TESSARINE_TRANSLATE_NOOP("KeptCopy", "showing the copy from %1")),
        {copyDate});
}

}  // namespace tessarine
