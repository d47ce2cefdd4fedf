// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace tessarine {

// An event's start time as the user's locale writes it in a day box: hours
// and minutes ("14:30", "2:30 PM"). Empty for the C locale, whose short
// time carries seconds: the caller's 24-hour "14:30" stands in for it.
std::function<std::string(int hour, int minute)> LocaleShortTime();

}  // namespace tessarine
