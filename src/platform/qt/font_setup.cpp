// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/font_setup.h"

#include <QFont>
#include <QStringList>

namespace tessarine {

void SetUpFontSubstitutes() {
    // Liberation Sans has Arial's metrics; the others are the common sans
    // faces of a desktop that lacks it.
    const QStringList sansFaces{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans"),
                                QStringLiteral("FreeSans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sansFaces);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sansFaces);
}

QFont ScreenFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

}  // namespace tessarine
