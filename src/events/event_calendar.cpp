// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/event_calendar.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

#include "events/calendar_text.h"
#include "events/ical_series.h"
#include "events/ical_time.h"
#include "events/local_clock.h"
#include "events/occurrence_index.h"

namespace tessarine {

// Series occurrences that start within one block of days, in each series'
// own frame: libical spends some ten microseconds on each occurrence, so a
// block is expanded once and kept for the queries that follow.
struct ExpandedBlock {
    std::vector<IndexedSpan> instants;
    std::vector<IndexedSpan> readings;
};

struct EventCalendar::Data {
    std::string source;
    std::vector<std::string> summaries;
    OccurrenceIndex instants;  // events in a known zone or UTC, as instants
    OccurrenceIndex readings;  // floating times and dates, as clock readings
    std::vector<RecurringEvent> series;
    // The longest occurrence of a series kept in blocks, in seconds.
    std::int64_t longestSeries = 0;
    ZoneTable zones;
    std::size_t eventCount = 0;
    std::size_t unreadable = 0;
    // libical fills in a zone's table of changes the first time a year is
    // converted, inside the zone, so queries on one calendar take turns.
    // The zones of the system's database are shared by the whole process;
    // libical guards those itself (it is built with threads on Debian).
    mutable std::mutex libicalUse;
    // Guarded by libicalUse; dropped whole when it grows past a bound.
    mutable std::map<std::int64_t, ExpandedBlock> expanded;
    mutable std::size_t expandedSpans = 0;

    const ExpandedBlock& Expanded(std::int64_t block) const;
};

namespace {

// Thirteen weeks, the most a page job of planners asks for: each series
// costs libical as much to start as a dozen occurrences, so blocks are
// long enough for few starts and short enough to expand soon.
constexpr std::int64_t kBlockSeconds = 91 * kSecondsPerDay;
constexpr std::size_t kMaxExpandedSpans = 1000000;
// Series whose occurrences last longer are few (a holiday season each
// year), and are expanded for each query so that the blocks need not look
// back that far.
constexpr std::int64_t kLongestInBlocks = 35 * kSecondsPerDay;

bool InBlocks(const RecurringEvent& series) {
    return series.Longest() <= kLongestInBlocks;
}

struct ComponentDeleter {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};

// Line breaks and tabs in a summary would break a printed line apart.
std::string OneLine(const char* text) {
    std::string line = text != nullptr ? text : "";
    for (char& c : line) {
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    }
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

std::vector<icalcomponent*> Children(icalcomponent* parent, icalcomponent_kind kind) {
    std::vector<icalcomponent*> children;
    for (icalcomponent* child = icalcomponent_get_first_component(parent, kind); child != nullptr;
         child = icalcomponent_get_next_component(parent, kind)) {
        children.push_back(child);
    }
    return children;
}

std::vector<icalproperty*> Properties(icalcomponent* component, icalproperty_kind kind) {
    std::vector<icalproperty*> properties;
    for (icalproperty* property = icalcomponent_get_first_property(component, kind);
         property != nullptr; property = icalcomponent_get_next_property(component, kind)) {
        properties.push_back(property);
    }
    return properties;
}

// Whether the rule narrows or widens its frequency's periods (leaving BYDAY out
// when asked).
bool HasByParts(const icalrecurrencetype& rule, bool ignoreByDay = false) {
    const auto set = [](const short* parts) { return parts[0] != ICAL_RECURRENCE_ARRAY_MAX; };
    return set(rule.by_second) || set(rule.by_minute) || set(rule.by_hour) ||
           (set(rule.by_day) && !ignoreByDay) || set(rule.by_month_day) || set(rule.by_year_day) ||
           set(rule.by_week_no) || set(rule.by_month) || set(rule.by_set_pos);
}

// A rule that asks for what never happens (February 30th) sends libical's
// iterator searching through the centuries on every query; one search here
// spares them.
bool YieldsAnything(const icalrecurrencetype& recurrence, const icaltimetype& start) {
    icalrecur_iterator* iterator = icalrecur_iterator_new(recurrence, start);
    if (iterator == nullptr) return false;
    const bool yields = !icaltime_is_null_time(icalrecur_iterator_next(iterator));
    icalrecur_iterator_free(iterator);
    return yields;
}

// The latest start a rule can give, as a reading on the clock of `start`,
// where it can be told without expanding the rule: from UNTIL, or from
// COUNT when every period yields at least one occurrence.
std::int64_t LastReadingOf(const icalrecurrencetype& rule, const icaltimetype& start) {
    constexpr std::int64_t kOpen = std::numeric_limits<std::int64_t>::max();
    if (!icaltime_is_null_time(rule.until)) {
        return ReadingSeconds(ReadOnClockOf(rule.until, start.zone)) + kSecondsPerDay;
    }
    // BYDAY in a weekly rule leaves at least one day of every week.
    const bool everyPeriod = !HasByParts(rule, rule.freq == ICAL_WEEKLY_RECURRENCE);
    std::int64_t period = 0;  // the longest a period of the rule's frequency lasts
    switch (rule.freq) {
        case ICAL_SECONDLY_RECURRENCE:
            period = 1;
            break;
        case ICAL_MINUTELY_RECURRENCE:
            period = 60;
            break;
        case ICAL_HOURLY_RECURRENCE:
            period = 3600;
            break;
        case ICAL_DAILY_RECURRENCE:
            period = kSecondsPerDay;
            break;
        case ICAL_WEEKLY_RECURRENCE:
            period = 7 * kSecondsPerDay;
            break;
        case ICAL_MONTHLY_RECURRENCE:
            period = 31 * kSecondsPerDay;
            break;
        case ICAL_YEARLY_RECURRENCE:
            period = 366 * kSecondsPerDay;
            break;
        default:
            return kOpen;
    }
    const std::int64_t periods =
        std::int64_t{rule.count} * std::max<std::int64_t>(rule.interval, 1);
    if (rule.count <= 0 || !everyPeriod || periods > 1000000) return kOpen;
    return ReadingSeconds(start) + periods * period + kSecondsPerDay;
}

}  // namespace

// Turns the parsed tree into the calendar's own records, after which the
// tree is freed: only the zones the file defines are kept from it.
class EventCalendar::Reader {
  public:
    explicit Reader(Data& data) : data_(data) {}

    void Read(icalcomponent* root) {
        std::vector<icalcomponent*> calendars;
        if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
            calendars.push_back(root);
        } else {
            calendars = Children(root, ICAL_VCALENDAR_COMPONENT);
        }
        for (icalcomponent* calendar : calendars) {
            for (icalcomponent* zone : Children(calendar, ICAL_VTIMEZONE_COMPONENT)) {
                data_.zones.AddDefinition(zone);
            }
        }
        for (icalcomponent* calendar : calendars) {
            for (icalcomponent* event : Children(calendar, ICAL_VEVENT_COMPONENT)) ReadEvent(event);
        }
        SkipMovedOccurrences();
        data_.instants.Finish();
        data_.readings.Finish();
    }

  private:
    struct Moved {
        std::string uid;
        icaltimetype recurrenceId;
    };

    icaltimetype TimeOf(icalproperty* property, icaltimetype value) {
        return WithZone(value, property, data_.zones);
    }

    void ReadEvent(icalcomponent* event) {
        ++data_.eventCount;
        icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        const icaltimetype start = dtstart != nullptr
                                       ? TimeOf(dtstart, icalproperty_get_dtstart(dtstart))
                                       : icaltime_null_time();
        if (icaltime_is_null_time(start)) {
            ++data_.unreadable;
            return;
        }
        if (start.year < kFirstSupportedYear || start.year > kLastSupportedYear) return;
        const bool cancelled = icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
        if (icalproperty* id =
                icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
            // A changed occurrence replaces the series' own; a cancelled
            // one only removes it.
            const char* uid = icalcomponent_get_uid(event);
            moved_.push_back(
                {uid != nullptr ? uid : "", TimeOf(id, icalproperty_get_recurrenceid(id))});
            if (!cancelled) AddOnce(event, start);
            return;
        }
        if (cancelled) return;
        RecurringEvent series;
        series.lastReading = ReadingSeconds(start);
        for (icalproperty* rule : Properties(event, ICAL_RRULE_PROPERTY)) {
            icalrecurrencetype recurrence = icalproperty_get_rrule(rule);
            if (recurrence.freq == ICAL_NO_RECURRENCE) continue;
            if (HasByParts(recurrence) && !YieldsAnything(recurrence, start)) continue;
            series.lastReading = std::max(series.lastReading, LastReadingOf(recurrence, start));
            char* text = icalrecurrencetype_as_string_r(&recurrence);
            if (text == nullptr) continue;
            series.rules.emplace_back(text);
            icalmemory_free_buffer(text);
        }
        const std::vector<icalproperty*> rdates = Properties(event, ICAL_RDATE_PROPERTY);
        if (series.rules.empty() && rdates.empty()) {
            AddOnce(event, start);
            return;
        }
        series.start = start;
        series.length = LengthOf(event, start);
        series.summary = AddSummary(event);
        for (icalproperty* rdate : rdates) AddExtraStart(series, rdate);
        series.firstReading = ReadingSeconds(start);
        for (const RecurringEvent::ExtraStart& extra : series.extraStarts) {
            series.firstReading = std::min(series.firstReading, ReadingSeconds(extra.start));
            series.lastReading = std::max(series.lastReading, ReadingSeconds(extra.start));
        }
        if (InBlocks(series)) data_.longestSeries = std::max(data_.longestSeries, series.Longest());
        for (icalproperty* exdate : Properties(event, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype excluded = TimeOf(exdate, icalproperty_get_exdate(exdate));
            if (icaltime_is_null_time(excluded)) continue;
            if (excluded.is_date && !series.AllDay()) {
                series.skippedDays.push_back(FloorDivide(ReadingSeconds(excluded), kSecondsPerDay));
            } else {
                series.skippedReadings.push_back(series.ReadingOf(excluded));
            }
        }
        if (const char* uid = icalcomponent_get_uid(event)) {
            seriesByUid_[uid].push_back(data_.series.size());
        }
        data_.series.push_back(std::move(series));
    }

    // Seconds from start to end: DTEND, else DURATION, else none for a
    // time and one day for a date. An all-day event lasts at least a day,
    // however its DTEND is written.
    std::int64_t LengthOf(icalcomponent* event, const icaltimetype& start) {
        std::int64_t length = 0;
        if (icalproperty* dtend = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
            const icaltimetype end = TimeOf(dtend, icalproperty_get_dtend(dtend));
            if (!icaltime_is_null_time(end)) {
                length = IsInstant(start) && IsInstant(end)
                             ? InstantOf(end) - InstantOf(start)
                             : ReadingSeconds(end) - ReadingSeconds(start);
            }
        } else if (icalproperty* duration =
                       icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
            length = icaldurationtype_as_int(icalproperty_get_duration(duration));
        }
        if (start.is_date) {
            const std::int64_t days = FloorDivide(length + kSecondsPerDay - 1, kSecondsPerDay);
            return std::max<std::int64_t>(days, 1) * kSecondsPerDay;
        }
        return std::max<std::int64_t>(length, 0);
    }

    std::uint32_t AddSummary(icalcomponent* event) {
        data_.summaries.push_back(OneLine(icalcomponent_get_summary(event)));
        return static_cast<std::uint32_t>(data_.summaries.size() - 1);
    }

    void AddOnce(icalcomponent* event, const icaltimetype& start) {
        const std::int64_t length = LengthOf(event, start);
        const std::uint32_t summary = AddSummary(event);
        if (IsInstant(start)) {
            const UtcSeconds instant = InstantOf(start);
            data_.instants.Add({instant, instant + length, summary, false});
        } else {
            const std::int64_t reading = ReadingSeconds(start);
            data_.readings.Add({reading, reading + length, summary, start.is_date != 0});
        }
    }

    void AddExtraStart(RecurringEvent& series, icalproperty* rdate) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(rdate);
        if (!icaltime_is_null_time(value.time)) {
            const icaltimetype start = TimeOf(rdate, value.time);
            series.extraStarts.push_back({ReadOnClockOf(start, series.start.zone), series.length});
            return;
        }
        const icaltimetype start = TimeOf(rdate, value.period.start);
        if (icaltime_is_null_time(start)) return;
        std::int64_t length = icaldurationtype_as_int(value.period.duration);
        if (!icaltime_is_null_time(value.period.end)) {
            const icaltimetype end = TimeOf(rdate, value.period.end);
            length = IsInstant(start) && IsInstant(end)
                         ? InstantOf(end) - InstantOf(start)
                         : ReadingSeconds(end) - ReadingSeconds(start);
        }
        series.extraStarts.push_back(
            {ReadOnClockOf(start, series.start.zone), std::max<std::int64_t>(length, 0)});
    }

    void SkipMovedOccurrences() {
        for (const Moved& moved : moved_) {
            const auto found = seriesByUid_.find(moved.uid);
            if (found == seriesByUid_.end() || icaltime_is_null_time(moved.recurrenceId)) continue;
            for (const std::size_t index : found->second) {
                RecurringEvent& series = data_.series[index];
                series.skippedReadings.push_back(series.ReadingOf(moved.recurrenceId));
            }
        }
        for (RecurringEvent& series : data_.series) {
            std::sort(series.skippedReadings.begin(), series.skippedReadings.end());
            std::sort(series.skippedDays.begin(), series.skippedDays.end());
        }
    }

    Data& data_;
    std::vector<Moved> moved_;
    std::map<std::string, std::vector<std::size_t>> seriesByUid_;
};

const ExpandedBlock& EventCalendar::Data::Expanded(std::int64_t block) const {
    if (const auto found = expanded.find(block); found != expanded.end()) return found->second;
    if (expandedSpans > kMaxExpandedSpans) {
        expanded.clear();
        expandedSpans = 0;
    }
    ExpandedBlock& made = expanded[block];
    std::vector<IndexedSpan> occurrences;
    for (const RecurringEvent& event : series) {
        if (!InBlocks(event)) continue;
        occurrences.clear();
        ExpandOccurrences(event, block * kBlockSeconds, (block + 1) * kBlockSeconds, occurrences);
        auto& into = IsInstant(event.start) ? made.instants : made.readings;
        into.insert(into.end(), occurrences.begin(), occurrences.end());
    }
    expandedSpans += made.instants.size() + made.readings.size();
    return made;
}

EventCalendar EventCalendar::Read(std::string_view bytes, const std::string& sourceName) {
    const std::string_view text = WithoutByteOrderMark(bytes);
    if (const auto fault = NotACalendar(text)) {
        throw CalendarReadError(sourceName, fault->line, fault->reason);
    }
    const std::string terminated(text);
    const std::unique_ptr<icalcomponent, ComponentDeleter> root(
        icalparser_parse_string(terminated.c_str()));
    if (!root) {
        if (const auto fault = UnbalancedComponent(text)) {
            throw CalendarReadError(sourceName, fault->line, fault->reason);
        }
        throw CalendarReadError(
            sourceName, 0,
            TESSARINE_TRANSLATE_NOOP("Errors", "The file cannot be read as iCalendar."));
    }
    auto data = std::make_shared<Data>();
    data->source = sourceName;
    Reader(*data).Read(root.get());
    return EventCalendar(std::move(data));
}

EventCalendar::EventCalendar(std::shared_ptr<const Data> data) : data_(std::move(data)) {}

const std::string& EventCalendar::SourceName() const {
    return data_->source;
}
std::size_t EventCalendar::EventCount() const {
    return data_->eventCount;
}
std::size_t EventCalendar::UnreadableEvents() const {
    return data_->unreadable;
}

void EventCalendar::AddTo(EventDays& days) const {
    const std::optional<QueryWindow> window = WindowOf(days);
    if (!window) return;
    const std::vector<std::string>& summaries = data_->summaries;
    data_->readings.ForEachOverlapping(window->wallFrom, window->wallTo, [&](const IndexedSpan& s) {
        days.Place(s.start, s.end, s.allDay, summaries[s.summary]);
    });
    data_->instants.ForEachOverlapping(window->utcFrom, window->utcTo, [&](const IndexedSpan& s) {
        PlaceInstants(s.start, s.end, summaries[s.summary], days);
    });
    const std::lock_guard<std::mutex> lock(data_->libicalUse);
    const auto place = [&](const IndexedSpan& s, bool instant) {
        if (instant && Overlaps(s, window->utcFrom, window->utcTo)) {
            PlaceInstants(s.start, s.end, summaries[s.summary], days);
        } else if (!instant && Overlaps(s, window->wallFrom, window->wallTo)) {
            days.Place(s.start, s.end, s.allDay, summaries[s.summary]);
        }
    };
    const std::int64_t firstBlock = FloorDivide(
        std::min(window->utcFrom, window->wallFrom) - data_->longestSeries, kBlockSeconds);
    const std::int64_t lastBlock =
        FloorDivide(std::max(window->utcTo, window->wallTo) - 1, kBlockSeconds);
    for (std::int64_t block = firstBlock; block <= lastBlock; ++block) {
        const ExpandedBlock& expanded = data_->Expanded(block);
        for (const IndexedSpan& s : expanded.instants) place(s, true);
        for (const IndexedSpan& s : expanded.readings) place(s, false);
    }
    std::vector<IndexedSpan> occurrences;
    for (const RecurringEvent& series : data_->series) {
        if (InBlocks(series)) continue;
        const bool instant = IsInstant(series.start);
        const std::int64_t from = instant ? window->utcFrom : window->wallFrom;
        const std::int64_t to = instant ? window->utcTo : window->wallTo;
        occurrences.clear();
        ExpandOccurrences(series, from - series.Longest(), to, occurrences);
        for (const IndexedSpan& s : occurrences) place(s, instant);
    }
}

}  // namespace tessarine
