// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/alert.h"
#include "platform/desktop_alert.h"
#include "platform/qt/theme_bell.h"

namespace tessarine {

// The alert on a desktop: the sound theme's bell or else the display's bell,
// and a flash of `window` that also asks for the desktop's attention when the
// window is in the background.
class QtAlertSound : public AlertSound {
  public:
    // A null window: the active window shows the cue.
    explicit QtAlertSound(QWidget* window = nullptr);
    void Beep() override;

  private:
    QPointer<QWidget> window_;
    ThemeBell themeBell_;
    DesktopAlert alert_;
};

}  // namespace tessarine
