// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/web_addresses.h"

namespace tessarine {

const char* HomePageUrl() {
    return TESSARINE_HOME_PAGE_URL;
}

const char* DonationPageUrl() {
    return TESSARINE_DONATION_URL;
}

}  // namespace tessarine
