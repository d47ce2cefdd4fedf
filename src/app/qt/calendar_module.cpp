// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/calendar_module.h"

#include <QCoreApplication>
#include <QLibrary>
#include <stdexcept>

namespace tessarine {

namespace {

// TESSARINE_CALENDARS_MODULE names the module outright when set (for a
// packager's own layout); otherwise it is installed beside the program's
// library folder, or in an uninstalled build beside the program.
QStringList ModuleCandidates() {
    const QString named = qEnvironmentVariable("TESSARINE_CALENDARS_MODULE");
    if (!named.isEmpty()) return {named};
    const QString name = QString::fromLatin1(kCalendarModuleName);
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir + QStringLiteral("/../lib/tessarine/") + name,
            programDir + QStringLiteral("/") + name};
}

NewCalendarService OpenCalendarModule() {
    QString problem;
    for (const QString& candidate : ModuleCandidates()) {
        // Never unloaded: the services it makes run its code.
        QLibrary module(candidate);
        // The first place's problem is the one to tell: it is where the
        // module belongs.
        if (!module.load()) {
            if (problem.isEmpty()) problem = module.errorString();
            continue;
        }
        if (auto make = reinterpret_cast<NewCalendarService>(
                module.resolve(TESSARINE_NEW_CALENDAR_SERVICE_NAME))) {
            return make;
        }
        if (problem.isEmpty()) problem = module.errorString();
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
