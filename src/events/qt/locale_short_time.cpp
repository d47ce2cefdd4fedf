// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/qt/locale_short_time.h"

#include <QLocale>
#include <QTime>

namespace tessarine {

std::function<std::string(int hour, int minute)> LocaleShortTime() {
    const QLocale locale;
    if (locale.language() == QLocale::C) {
        return {};
    }
    return [locale](int hour, int minute) {
        return locale.toString(QTime(hour, minute), QLocale::ShortFormat).toStdString();
    };
}

}  // namespace tessarine
