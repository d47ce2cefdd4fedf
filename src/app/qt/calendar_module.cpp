// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/calendar_module.h"

#include <QCoreApplication>
#include <stdexcept>

#include "platform/qt/program_module.h"

namespace tessarine {

namespace {

NewCalendarService OpenCalendarModule() {
    QString problem;
    if (QFunctionPointer make = OpenProgramModule("TESSARINE_CALENDARS_MODULE", kCalendarModuleName,
                                                  TESSARINE_NEW_CALENDAR_SERVICE_NAME, problem)) {
        return reinterpret_cast<NewCalendarService>(make);
    }
    throw std::runtime_error(
        QCoreApplication::translate(
            "Errors", "Calendars cannot be shown: their module could not be opened (%1).")
            .arg(problem)
            .toStdString());
}

}  // namespace

CalendarServiceFactory ModuleCalendarServices() {
    return [make = NewCalendarService{nullptr}](
               CalendarService::Listener listener) mutable -> std::unique_ptr<CalendarService> {
        if (make == nullptr) make = OpenCalendarModule();
        return std::unique_ptr<CalendarService>(make(&listener));
    };
}

}  // namespace tessarine
