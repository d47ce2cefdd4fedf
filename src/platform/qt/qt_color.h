// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

#include "calendar/color_set.h"
#include "calendar/contrast.h"

namespace tessarine {

// Our colours are 0x00BBGGRR; Qt's are red, green, blue components.
inline QColor ToQColor(Color color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

inline Color FromQColor(const QColor& color) {
    return RgbColor(static_cast<std::uint8_t>(color.red()),
                    static_cast<std::uint8_t>(color.green()),
                    static_cast<std::uint8_t>(color.blue()));
}

// Gives text drawn on one of the colour sets' fixed colours the theme's text
// colour where it reads there, else dark or light. Disabled text keeps its
// own colour. The button face becomes the background too, so a raised
// button's hover panel stays under readable text.
inline void UseReadableText(QPalette& palette, Color background) {
    const Color themeText =
        FromQColor(QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText));
    const QColor text = ToQColor(ReadableTextColor(background, themeText));
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Button, ToQColor(background));
    }
}

// A button caption in a colour of its own on the theme's button face: that
// colour where it reads, else a darker or lighter shade of it. Disabled
// captions keep the theme's colour.
inline void UseReadableButtonTint(QPalette& palette, Color preferred) {
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const Color face = FromQColor(palette.color(group, QPalette::Button));
        palette.setColor(group, QPalette::ButtonText, ToQColor(ReadableTint(face, preferred)));
    }
}

}  // namespace tessarine
