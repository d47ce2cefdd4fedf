// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/icon_theme_setup.h"

#include <QIcon>

namespace tessarine {

void SetUpIconTheme() {
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QStringLiteral("hicolor")) {
        QIcon::setFallbackThemeName(QStringLiteral("Adwaita"));
    }
}

}  // namespace tessarine
