// SPDX-License-Identifier: GPL-3.0-or-later
// The calendars module's entry point. The program opens the module only for
// a user who has calendars (see calendar_module.cpp), so the iCalendar and
// network libraries stay out of every other start-up.

#include "app/qt/calendar_module.h"
#include "app/qt/calendars/calendar_service_impl.h"

extern "C" __attribute__((visibility("default"))) tessarine::CalendarService*
TESSARINE_NEW_CALENDAR_SERVICE(const tessarine::CalendarService::Listener* listener) {
    return new tessarine::CalendarServiceImpl(*listener);
}
