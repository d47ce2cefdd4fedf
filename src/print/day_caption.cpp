#include "print/day_caption.h"

namespace tessarine {

std::string DayCaption(DateSerial date, const LocaleNames& names) {
    const auto weekday = static_cast<std::size_t>(WeekdaySundayFirst(date) - 1);
    return names.longDayNames[weekday] + " " + std::to_string(DayOfMonth(date));
}

}  // namespace tessarine
