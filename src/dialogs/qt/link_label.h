// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QEvent;
class QFont;
class QLabel;
class QString;
class QWidget;

namespace tessarine {

// The home page address shown as a link: blue, underlined and centred, at
// its designed place. An address longer than the design's width grows about
// the same centre instead of being clipped.
QLabel* MakeLinkLabel(QWidget* parent, const char* name, const QString& address, const QFont& font,
                      const QRect& design);

// A release of the left mouse button: what a click on a label or picture is.
bool IsLeftClick(const QEvent& event);

}  // namespace tessarine
