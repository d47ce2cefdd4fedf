// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tessarine {

// The system's default alert sound: how commands answer bad input, with no
// message.
class AlertSound {
  public:
    virtual ~AlertSound() = default;
    virtual void Beep() = 0;
};

}  // namespace tessarine
