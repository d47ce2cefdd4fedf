#include "platform/qt/qt_alert_sound.h"

#include <QApplication>

namespace tessarine {

void QtAlertSound::Beep() {
    QApplication::beep();
}

}  // namespace tessarine
