// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/calendars/network_calendar_reader.h"

#include <QCoreApplication>
#include <QLocale>
#include <QNetworkAccessManager>
#include <utility>

#include "events/kept_copy_age.h"
#include "events/qt/calendar_fetch.h"
#include "platform/qt/app_translators.h"

namespace tessarine {

NetworkCalendarReader::NetworkCalendarReader() = default;
NetworkCalendarReader::~NetworkCalendarReader() = default;

void NetworkCalendarReader::Fetch(const std::string& address, Done done) {
    if (network_ == nullptr) network_ = std::make_unique<QNetworkAccessManager>();
    const QString named = QString::fromStdString(address);
    FetchCalendarAsync(
        *network_, named,
        [this, address, named, done = std::move(done)](const CalendarFetchResult& result) {
            if (result.fromCache) {
                keptCopies_[address] = {result.problem, result.keptAt};
            } else {
                keptCopies_.erase(address);
            }
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

QString NetworkCalendarReader::KeptCopyNotice(const std::string& address,
                                              const QDateTime& now) const {
    const auto found = keptCopies_.find(address);
    if (found == keptCopies_.end()) return {};
    const KeptCopy& copy = found->second;
    const std::string age =
        KeptCopyAgeText(copy.keptAt.secsTo(now),
                        QLocale().toString(copy.keptAt.date(), QLocale::LongFormat).toStdString(),
                        QtTextTranslator());
    //: %1 the calendar's address, %2 why it failed, %3 e.g. "showing the copy from 3 hours ago".
    return QCoreApplication::translate("Errors", "The calendar %1 cannot be fetched (%2); %3.")
        .arg(QString::fromStdString(address), copy.problem, QString::fromStdString(age));
}

}  // namespace tessarine
