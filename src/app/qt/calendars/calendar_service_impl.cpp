// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/calendars/calendar_service_impl.h"

#include <utility>

namespace tessarine {

CalendarServiceImpl::CalendarServiceImpl(Listener listener) : loader_(&addresses_) {
    if (listener.loaded) {
        QObject::connect(&loader_, &EventCalendarLoader::loaded, std::move(listener.loaded));
    }
    if (listener.monthReady) {
        QObject::connect(&loader_, &EventCalendarLoader::monthReady,
                         std::move(listener.monthReady));
    }
}

void CalendarServiceImpl::load(const CalendarSources& sources) {
    loader_.load(sources);
}

CalendarService::SharedMonthLines CalendarServiceImpl::monthLines(int year, int month) {
    return loader_.monthLines(year, month);
}

QStringList CalendarServiceImpl::problems() const {
    return loader_.problems();
}

QString CalendarServiceImpl::keptCopyNotice(const std::string& address) const {
    return addresses_.KeptCopyNotice(address);
}

CalendarService::EventsOfDays CalendarServiceImpl::eventsOfDays() const {
    if (loader_.shownCalendars().Calendars().empty()) return {};
    // A copy: the set shares the calendars read, and a reload while the
    // pages print leaves this one as it was.
    return [shown = loader_.shownCalendars()](DateSerial first, DateSerial last) {
        return shown.EventsOfDays(first, last);
    };
}

}  // namespace tessarine
