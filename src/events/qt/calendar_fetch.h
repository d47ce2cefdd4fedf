// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>
#include <functional>

class QNetworkAccessManager;

namespace tessarine {

// Calendars published at an address: fetched on the event loop, each copy
// kept in the user's cache folder so that it still prints and shows offline.

// The address to ask: webcal:// is read as http://, as calendar programs do
// for a plain server.
QUrl CalendarAddressUrl(const QString& address);
// $XDG_CACHE_HOME/tessarine, or ~/.cache/tessarine.
QString CalendarCacheFolder();
// One file per address, named by a digest of it.
QString CachedCalendarPath(const QString& address);

struct CalendarFetchResult {
    QByteArray body;         // the calendar's text; empty when there is none at all
    bool fromCache = false;  // the address failed and this is the copy from before
    QString problem;         // why the address failed; empty when it answered
    QDateTime keptAt;        // when the copy in use was fetched, with fromCache
};

struct CalendarFetchLimits {
    int timeoutMilliseconds = 30000;
    int maxRedirects = 5;
};

using CalendarFetchDone = std::function<void(const CalendarFetchResult&)>;

// Starts fetching `address` with `network` and returns at once; `done` is
// called on the event loop once the body is in (and cached), or with the
// cached copy and the problem when the address fails, answers an error,
// redirects too often or sends something other than a calendar.
void FetchCalendarAsync(QNetworkAccessManager& network, const QString& address,
                        CalendarFetchDone done, CalendarFetchLimits limits = {});

// The same for a program without a window: waits in a local event loop.
CalendarFetchResult FetchCalendar(const QString& address, CalendarFetchLimits limits = {});

}  // namespace tessarine
