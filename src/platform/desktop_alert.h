// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "platform/alert.h"

namespace tessarine {

// The alert as a desktop gives it: the sound theme's bell where a theme can
// play it, the display's own bell where not (it is silent on many desktops,
// hence second), and a visible cue every time for users who hear neither.
class DesktopAlert : public AlertSound {
  public:
    struct Channels {
        // Plays the theme's bell; false when no sound theme played it. Empty
        // where the program is built without a sound theme library.
        std::function<bool()> playThemeBell;
        std::function<void()> ringDisplayBell;
        std::function<void()> showVisualCue;
    };

    explicit DesktopAlert(Channels channels);

    void Beep() override;

  private:
    Channels channels_;
};

}  // namespace tessarine
