// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/network_calendar_reader.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <utility>

#include "events/qt/calendar_fetch.h"

namespace tessarine {

NetworkCalendarReader::NetworkCalendarReader() = default;
NetworkCalendarReader::~NetworkCalendarReader() = default;

void NetworkCalendarReader::Fetch(const std::string& address, Done done) {
    if (network_ == nullptr) network_ = std::make_unique<QNetworkAccessManager>();
    const QString named = QString::fromStdString(address);
    FetchCalendarAsync(
        *network_, named, [named, done = std::move(done)](const CalendarFetchResult& result) {
            if (!result.body.isEmpty()) {
                // A kept copy shows as the calendar did offline.
                done(result.body.toStdString(), QString());
                return;
            }
            done(std::nullopt,
                 QCoreApplication::translate("Errors", "The calendar %1 cannot be fetched (%2).")
                     .arg(named, result.problem));
        });
}

}  // namespace tessarine
