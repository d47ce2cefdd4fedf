// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <clocale>
#include <string>

namespace tessarine::testing {

// Whether the C library has the named locale ("de_DE.UTF-8"); the set-up
// script generates the ones the tests use, and a test that needs one fails
// without it rather than quietly running in "C".
inline bool LocaleInstalled(const char* name) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    const bool installed = std::setlocale(LC_ALL, name) != nullptr;
    std::setlocale(LC_ALL, previous.c_str());
    return installed;
}

// Switches the whole process to a locale, as the toolkit does for the
// user's, until the object goes.
class ScopedLocale {
  public:
    explicit ScopedLocale(const char* name) : previous_(std::setlocale(LC_ALL, nullptr)) {
        installed_ = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~ScopedLocale() { std::setlocale(LC_ALL, previous_.c_str()); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

    bool installed() const { return installed_; }

  private:
    std::string previous_;
    bool installed_ = false;
};

}  // namespace tessarine::testing
