// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qt/calendar_service.h"
#include "app/qt/calendars/event_calendar_loader.h"
#include "app/qt/calendars/network_calendar_reader.h"

namespace tessarine {

// The calendars of files and addresses: read and expanded off the GUI
// thread by the loader, addresses fetched through the network.
class CalendarServiceImpl : public CalendarService {
  public:
    explicit CalendarServiceImpl(Listener listener);

    void load(const CalendarSources& sources) override;
    SharedMonthLines monthLines(int year, int month) override;
    QStringList problems() const override;
    QString keptCopyNotice(const std::string& address) const override;
    EventsOfDays eventsOfDays() const override;

  private:
    NetworkCalendarReader addresses_;
    EventCalendarLoader loader_;
};

}  // namespace tessarine
