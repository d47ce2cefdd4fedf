// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

namespace tessarine {

// Reads the desktop's font configuration and font caches on a second
// thread while the program connects to the display. The first window to
// measure text would otherwise wait for both, one after the other.
//
// Where the desktop has no font configuration library, it does nothing.
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    // Waits until the configuration is loaded: called before the first
    // window is built, so that the toolkit never loads a second copy.
    void Finish();

  private:
    std::thread thread_;
};

}  // namespace tessarine
