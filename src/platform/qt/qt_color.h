#pragma once

#include <QColor>

#include "calendar/color_set.h"

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

}  // namespace tessarine
