// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/calendars/event_calendar_loader.h"

#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <algorithm>
#include <iterator>
#include <utility>

#include "calendar/date_serial.h"
#include "events/qt/locale_short_time.h"
#include "print/day_box_lines.h"

namespace tessarine {

namespace {

// Changes come in bursts while an editor saves; one read follows the last.
constexpr int kReloadDelayMs = 300;
// A month asked for is expanded once no other was asked for this long:
// holding a key down steps faster, and the months it passes are not
// worth a worker's time.
constexpr int kSettleMs = 40;
// Expanded months kept: a year either side of the one shown.
constexpr std::size_t kKeptMonths = 25;

using MonthLines = EventCalendarLoader::MonthLines;
using SharedMonthLines = EventCalendarLoader::SharedMonthLines;

int MonthIndex(int year, int month) {
    return year * 12 + month - 1;
}
int YearOf(int monthIndex) {
    return monthIndex / 12;
}
int MonthOf(int monthIndex) {
    return monthIndex % 12 + 1;
}
bool Supported(int monthIndex) {
    return YearOf(monthIndex) >= kFirstSupportedYear && YearOf(monthIndex) <= kLastSupportedYear;
}

// Workers give way to the window's thread when the machine is busy: the
// marks may come a little later, a step or a repaint never does. (Qt's low
// priority leaves a thread of the ordinary scheduling class as it is.)
constexpr int kWorkerNice = 10;

void GiveWayToWindow() {
    // On Linux the nice value belongs to each thread.
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kWorkerNice);
}

std::string TranslateError(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

std::string ReadFileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        throw CalendarReadError(path, 0,
                                TESSARINE_TRANSLATE_NOOP("Errors", "The file cannot be opened."));
    }
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Runs on a worker. The calendars' own caches take turns among threads;
// the time writer holds a copy of the locale taken on the GUI thread, which
// may change the default one.
MonthLines ExpandMonth(const EventCalendarSet& calendars, int monthIndex,
                       const EventTimeFormatter& formatTime) {
    const int year = YearOf(monthIndex);
    const int month = MonthOf(monthIndex);
    const int length = MonthLength(year, month);
    const DateSerial first =
        EncodeDateSerial(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month), 1);
    const EventDays days = calendars.EventsOfDays(first, first + length - 1);
    MonthLines lines(static_cast<std::size_t>(length));
    for (int day = 0; day < length; ++day) {
        for (const DayEvent& event : days.On(first + day)) {
            lines[static_cast<std::size_t>(day)].push_back(DayEventLine(event, formatTime));
        }
    }
    return lines;
}

}  // namespace

EventCalendarLoader::EventCalendarLoader(CalendarAddressReader* addresses, QObject* parent)
    : QObject(parent), addresses_(addresses) {
    reloadTimer_.setSingleShot(true);
    reloadTimer_.setInterval(kReloadDelayMs);
    connect(&reloadTimer_, &QTimer::timeout, this, [this] { load(sources_); });
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(kSettleMs);
    connect(&settleTimer_, &QTimer::timeout, this, &EventCalendarLoader::expandNext);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this,
            [this](const QString&) { reloadTimer_.start(); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            &EventCalendarLoader::directoryChanged);
}

EventCalendarLoader::~EventCalendarLoader() {
    // A read under way holds no pointer to the loader but its result event.
    for (QThread* worker : workers_) {
        worker->wait();
        delete worker;
    }
}

void EventCalendarLoader::load(const CalendarSources& sources) {
    sources_ = sources;
    ++generation_;
    outcomes_.clear();
    pending_ = 0;
    watchFiles();

    Bodies files;
    for (const CalendarSource& source : sources_.Entries()) {
        if (!source.shown) continue;
        if (!source.IsAddress()) {
            files.emplace_back(source.location, std::nullopt);
        } else if (addresses_ != nullptr) {
            ++pending_;
            const unsigned generation = generation_;
            addresses_->Fetch(source.location,
                              [this, generation, location = source.location](
                                  std::optional<std::string> body, QString problem) {
                                  if (generation != generation_) return;
                                  if (body) {
                                      readOnWorker({{location, std::move(body)}});
                                  } else {
                                      std::map<std::string, Outcome> failed;
                                      failed[location].fetchProblem = problem;
                                      accept(generation, std::move(failed));
                                  }
                              });
        }
    }
    if (files.empty() && pending_ == 0) {
        accept(generation_, {});
        return;
    }
    if (!files.empty()) {
        // The fetches started above count once each; the files once together.
        ++pending_;
        readOnWorker(std::move(files));
    }
}

void EventCalendarLoader::readOnWorker(Bodies bodies) {
    const unsigned generation = generation_;
    startWorker([this, generation, bodies = std::move(bodies)] {
        std::map<std::string, Outcome> outcomes;
        for (const auto& [location, body] : bodies) {
            Outcome& outcome = outcomes[location];
            try {
                outcome.calendar =
                    EventCalendar::Read(body ? *body : ReadFileBytes(location), location);
            } catch (const CalendarReadError& error) {
                outcome.error = error;
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, generation, outcomes = std::move(outcomes)]() mutable {
                accept(generation, std::move(outcomes));
            },
            Qt::QueuedConnection);
    });
}

void EventCalendarLoader::startWorker(std::function<void()> work) {
    QThread* worker = QThread::create([work = std::move(work)] {
        GiveWayToWindow();
        work();
    });
    workers_.push_back(worker);
    connect(worker, &QThread::finished, this, [this, worker] {
        workers_.erase(std::remove(workers_.begin(), workers_.end(), worker), workers_.end());
        worker->deleteLater();
    });
    worker->start(QThread::LowPriority);
}

void EventCalendarLoader::accept(unsigned generation, std::map<std::string, Outcome> outcomes) {
    if (generation != generation_) return;
    for (auto& [location, outcome] : outcomes) outcomes_[location] = std::move(outcome);
    if (pending_ > 0) --pending_;
    // Each calendar in the order the list shows them. A worker still
    // expanding keeps its own copy of the old set; its months are dropped.
    shown_ = EventCalendarSet();
    ++shownVersion_;
    months_.clear();
    for (const CalendarSource& source : sources_.Entries()) {
        const auto found = outcomes_.find(source.location);
        if (source.shown && found != outcomes_.end() && found->second.calendar) {
            shown_.Add(*found->second.calendar);
        }
    }
    if (pending_ == 0) emit loaded();
}

SharedMonthLines EventCalendarLoader::monthLines(int year, int month) {
    if (shown_.Calendars().empty()) return std::make_shared<const MonthLines>();
    const int index = MonthIndex(year, month);
    if (wantedMonth_ != index) {
        wantedMonth_ = index;
        settleTimer_.start();
    } else if (!settleTimer_.isActive()) {
        expandNext();
    }
    const auto found = months_.find(index);
    return found != months_.end() ? found->second : nullptr;
}

void EventCalendarLoader::expandNext() {
    if (expanding_ || !wantedMonth_ || shown_.Calendars().empty()) return;
    const int wanted = *wantedMonth_;
    for (const int index : {wanted, wanted + 1, wanted - 1}) {
        if (!Supported(index) || months_.count(index) != 0) continue;
        expanding_ = true;
        const unsigned version = shownVersion_;
        startWorker([this, version, index, calendars = shown_, formatTime = LocaleShortTime()] {
            SharedMonthLines lines =
                std::make_shared<const MonthLines>(ExpandMonth(calendars, index, formatTime));
            QMetaObject::invokeMethod(
                this,
                [this, version, index, lines = std::move(lines)]() mutable {
                    keepMonth(version, index, std::move(lines));
                },
                Qt::QueuedConnection);
        });
        return;
    }
}

void EventCalendarLoader::keepMonth(unsigned shownVersion, int monthIndex, SharedMonthLines lines) {
    expanding_ = false;
    if (shownVersion == shownVersion_) {
        months_[monthIndex] = std::move(lines);
        // The months farthest from the one asked for go first.
        while (months_.size() > kKeptMonths) {
            const int below = *wantedMonth_ - months_.begin()->first;
            const int above = months_.rbegin()->first - *wantedMonth_;
            months_.erase(below > above ? months_.begin() : std::prev(months_.end()));
        }
        emit monthReady(YearOf(monthIndex), MonthOf(monthIndex));
    }
    expandNext();
}

QStringList EventCalendarLoader::problems() const {
    QStringList messages;
    for (const CalendarSource& source : sources_.Entries()) {
        const auto found = outcomes_.find(source.location);
        if (!source.shown || found == outcomes_.end()) continue;
        if (found->second.error) {
            messages << QString::fromStdString(found->second.error->Message(TranslateError));
        } else if (!found->second.fetchProblem.isEmpty()) {
            messages << found->second.fetchProblem;
        }
    }
    return messages;
}

void EventCalendarLoader::watchFiles() {
    if (!watcher_.files().isEmpty()) watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty()) watcher_.removePaths(watcher_.directories());
    for (const CalendarSource& source : sources_.Entries()) {
        if (!source.shown || source.IsAddress()) continue;
        const QString path = QString::fromStdString(source.location);
        const QString folder = QFileInfo(path).absolutePath();
        if (QFileInfo::exists(path)) watcher_.addPath(path);
        // The folder tells when a replaced or missing file appears again.
        if (QFileInfo::exists(folder) && !watcher_.directories().contains(folder)) {
            watcher_.addPath(folder);
        }
    }
}

void EventCalendarLoader::directoryChanged(const QString& directory) {
    for (const CalendarSource& source : sources_.Entries()) {
        if (!source.shown || source.IsAddress()) continue;
        const QString path = QString::fromStdString(source.location);
        if (QFileInfo(path).absolutePath() == directory && !watcher_.files().contains(path) &&
            QFileInfo::exists(path)) {
            reloadTimer_.start();
            return;
        }
    }
}

}  // namespace tessarine
