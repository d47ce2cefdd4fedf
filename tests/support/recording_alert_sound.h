// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/alert.h"

namespace tessarine {

// Counts the alert sounds a command plays.
class RecordingAlertSound : public AlertSound {
  public:
    void Beep() override { ++beeps; }

    int beeps = 0;
};

}  // namespace tessarine
