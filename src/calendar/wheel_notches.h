// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace tessarine {

// One report of the mouse wheel or the touchpad. Angles are in eighths of a
// degree, positive away from the user; pixels are the finger travel some
// touchpads report instead of an angle. Either axis may carry a vertical turn:
// with Shift held some displays send the wheel as a horizontal one.
struct WheelDelta {
    int angleX = 0;
    int angleY = 0;
    int pixelX = 0;
    int pixelY = 0;
};

// Adds wheel reports up to whole notches. A mouse wheel reports one notch at
// a time; a touchpad reports many small steps that only together make one.
class WheelNotches {
  public:
    // 15 degrees, the usual notch of a mouse wheel.
    static constexpr int kEighthsPerNotch = 120;

    // The whole notches this report completes, positive away from the user.
    // The part of a notch left over is dropped when the direction turns or
    // the unit (months or years) changes, so a reversal never has to undo a
    // half-finished turn first.
    int Add(const WheelDelta& delta, bool years);

  private:
    std::int64_t remainder_ = 0;
    bool years_ = false;
};

}  // namespace tessarine
