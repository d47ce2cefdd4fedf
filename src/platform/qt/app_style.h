// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QProxyStyle>

namespace tessarine {

// The desktop's own style, with the menu bar's overflow arrow drawn here.
// The style would read that arrow from image files whose format it finds by
// loading every image plugin, and the SVG and JPEG libraries with them,
// while the main window is being built; nothing else at start-up needs them.
class AppStyle : public QProxyStyle {
  public:
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tessarine
