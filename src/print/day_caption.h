#pragma once

#include <string>

#include "calendar/date_serial.h"
#include "calendar/locale_names.h"

namespace tessarine {

// The text of a planner's day box: the locale's full weekday name, a blank
// and the day of the month ("Monday 3"). Nothing else, whatever the month
// grid displays.
std::string DayCaption(DateSerial date, const LocaleNames& names);

}  // namespace tessarine
