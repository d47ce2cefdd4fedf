// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/wheel_notches.h"

#include <cstdlib>

namespace tessarine {

namespace {

// The axis that moved more: a touchpad stroke is never quite straight.
int Dominant(int x, int y) {
    return std::abs(static_cast<std::int64_t>(x)) > std::abs(static_cast<std::int64_t>(y)) ? x : y;
}

}  // namespace

int WheelNotches::Add(const WheelDelta& delta, bool years) {
    int turn = Dominant(delta.angleX, delta.angleY);
    // A pixel of finger travel counts as an eighth of a degree.
    if (delta.angleX == 0 && delta.angleY == 0) turn = Dominant(delta.pixelX, delta.pixelY);
    if (years != years_ || (turn > 0 && remainder_ < 0) || (turn < 0 && remainder_ > 0)) {
        remainder_ = 0;
    }
    years_ = years;
    remainder_ += turn;
    const std::int64_t notches = remainder_ / kEighthsPerNotch;
    remainder_ -= notches * kEighthsPerNotch;
    return static_cast<int>(notches);
}

}  // namespace tessarine
