// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <map>
#include <memory>

#include "app/qt/calendars/event_calendar_loader.h"

class QNetworkAccessManager;

namespace tessarine {

// Brings calendars published at web addresses through the network, on the
// event loop, with the copy kept in the user's cache folder when an address
// does not answer. The network is opened at the first address, never at
// start-up.
class NetworkCalendarReader : public CalendarAddressReader {
  public:
    NetworkCalendarReader();
    ~NetworkCalendarReader() override;

    void Fetch(const std::string& address, Done done) override;

    // For an address whose last fetch failed and whose kept copy is shown
    // instead: the notice that names it, why, and how old the copy is at
    // `now`; empty otherwise.
    QString KeptCopyNotice(const std::string& address,
                           const QDateTime& now = QDateTime::currentDateTime()) const;

  private:
    struct KeptCopy {
        QString problem;
        QDateTime keptAt;
    };

    std::unique_ptr<QNetworkAccessManager> network_;
    std::map<std::string, KeptCopy> keptCopies_;
};

}  // namespace tessarine
