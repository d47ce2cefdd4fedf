// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "calendar/text_catalog.h"

namespace tessarine {

// The text of a planner's day box: the locale's full weekday name, a blank
// and the day of the month ("Monday 3"). Nothing else, whatever the month
// grid displays. The first of a month has a translatable form of its own,
// for languages that write it as an ordinal ("samedi 1er").
std::string DayCaption(DateSerial date, const LocaleNames& names,
                       const TextTranslator& translate = {});

}  // namespace tessarine
