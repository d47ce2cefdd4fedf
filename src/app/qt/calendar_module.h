// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qt/calendar_service.h"

// The one function the calendars module exports: a service that tells
// `listener`, owned by the caller.
#define TESSARINE_NEW_CALENDAR_SERVICE tessarine_new_calendar_service
#define TESSARINE_NEW_CALENDAR_SERVICE_NAME "tessarine_new_calendar_service"

namespace tessarine {

using NewCalendarService = CalendarService* (*)(const CalendarService::Listener* listener);

// The module's file name, as the build and the installation place it.
inline constexpr char kCalendarModuleName[] = "tessarine-calendars.so";

// Makes services from the module, opened at the first call. Throws
// std::runtime_error, naming the module's problem in the user's language,
// when it cannot be opened.
CalendarServiceFactory ModuleCalendarServices();

}  // namespace tessarine
