// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "app/qt/event_calendar_loader.h"

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

  private:
    std::unique_ptr<QNetworkAccessManager> network_;
};

}  // namespace tessarine
