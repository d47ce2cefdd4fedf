#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace tessarine {

// The program's own pictures, drawn as SVG and compiled in: no look-up in
// the desktop's icon theme, and crisp at any scale.
inline constexpr char kAppIconPicture[] = ":/images/tessarine.svg";
inline constexpr char kSplashPicture[] = ":/images/splash.svg";
inline constexpr char kDonatePicture[] = ":/images/donate.svg";
inline constexpr char kProceedGlyph[] = ":/images/proceed.svg";

// The picture drawn at `logicalSize` for a display with `devicePixelRatio`
// device pixels per logical pixel. A null pixmap when the picture is missing.
QPixmap SvgPixmap(const QString& resource, QSize logicalSize, qreal devicePixelRatio);

// An icon with the picture at 1x and 2x of `logicalSize` (Qt derives the
// disabled look from them).
QIcon SvgIcon(const QString& resource, QSize logicalSize);

// A window icon: the picture at the sizes window managers show (each is sent
// with every window, so no more than those).
QIcon SvgWindowIcon(const QString& resource);

}  // namespace tessarine
