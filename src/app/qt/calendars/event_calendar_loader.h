// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/qt/calendar_service.h"
#include "dialogs/calendar_sources.h"
#include "events/calendar_read_error.h"
#include "events/event_calendar.h"
#include "events/event_calendar_set.h"

class QThread;

namespace tessarine {

// Brings the body of a calendar published at a web address. The loader
// asks it for every shown address; without one, addresses are listed but
// not shown.
class CalendarAddressReader {
  public:
    virtual ~CalendarAddressReader() = default;
    // Called on the GUI thread: the body, or nothing and the message (in the
    // user's language, naming the address) that tells why not.
    using Done = std::function<void(std::optional<std::string> body, QString problem)>;
    // Calls done later, on the GUI thread, never from inside this call.
    virtual void Fetch(const std::string& address, Done done) = 0;
};

// Reads the user's shown calendars off the GUI thread and answers the event
// lines of a month from them, expanded off the GUI thread too. Files are
// read again when they change on disk, also after an editor replaced them
// with a new file.
class EventCalendarLoader : public QObject {
    Q_OBJECT
  public:
    // Each day's lines: all-day events first, then by start time, the time
    // in the locale's short form before the summary.
    using MonthLines = CalendarService::MonthLines;
    using SharedMonthLines = CalendarService::SharedMonthLines;

    explicit EventCalendarLoader(CalendarAddressReader* addresses = nullptr,
                                 QObject* parent = nullptr);
    ~EventCalendarLoader() override;

    // Reads the shown sources of `sources` anew; loaded() follows.
    void load(const CalendarSources& sources);
    const CalendarSources& sources() const { return sources_; }

    // The lines of a month when they are ready: a month expanded before, or
    // none at all without calendars. Otherwise null: the month, then the
    // ones beside it, are expanded on a worker, monthReady() following each;
    // months stepped past quickly are not expanded at all.
    SharedMonthLines monthLines(int year, int month);
    // The shown calendars as last read, for printing; used on the GUI thread.
    const EventCalendarSet& shownCalendars() const { return shown_; }
    // A message per shown source that could not be read.
    QStringList problems() const;

  signals:
    // Every calendar of the last load has been read or refused.
    void loaded();
    // The lines of this month are ready (see monthLines).
    void monthReady(int year, int month);

  private:
    struct Outcome {
        std::optional<EventCalendar> calendar;
        std::optional<CalendarReadError> error;
        QString fetchProblem;
    };
    using Bodies = std::vector<std::pair<std::string, std::optional<std::string>>>;

    // Reads each body (a file's when it has none) on a worker thread.
    void readOnWorker(Bodies bodies);
    void accept(unsigned generation, std::map<std::string, Outcome> outcomes);
    // Expands the first month not yet expanded of the one last asked for
    // and those beside it, unless a worker is at it.
    void expandNext();
    void keepMonth(unsigned shownVersion, int monthIndex, SharedMonthLines lines);
    void startWorker(std::function<void()> work);
    void watchFiles();
    void directoryChanged(const QString& directory);

    CalendarAddressReader* addresses_;
    CalendarSources sources_;
    unsigned generation_ = 0;
    int pending_ = 0;
    std::map<std::string, Outcome> outcomes_;
    EventCalendarSet shown_;
    unsigned shownVersion_ = 0;  // counts each new shown_
    // Months as year * 12 + month - 1, expanded from the current shown_.
    std::map<int, SharedMonthLines> months_;
    std::optional<int> wantedMonth_;
    bool expanding_ = false;
    QTimer settleTimer_;  // runs while the months asked for keep changing
    QFileSystemWatcher watcher_;
    QTimer reloadTimer_;
    std::vector<QThread*> workers_;
};

}  // namespace tessarine
