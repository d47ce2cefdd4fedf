// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessarine {

// The two web pages the program opens. Packagers set their own when
// building (the TESSARINE_HOME_PAGE_URL and TESSARINE_DONATION_URL cache
// variables).
const char* HomePageUrl();
const char* DonationPageUrl();

}  // namespace tessarine
