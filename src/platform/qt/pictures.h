// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <vector>

#include "platform/qt/picture_prefetch.h"

namespace tessarine {

// The program's own pictures, drawn as SVG under share/images and turned into
// bitmaps at 1x and 2x of each size the windows show them at while building
// (see cmake/TessarinePictures.cmake), then compiled in: no look-up in the
// desktop's icon theme, and no SVG renderer to load at start-up.
inline constexpr char kAppIconPicture[] = "tessarine";
inline constexpr char kSplashPicture[] = "splash";
inline constexpr char kDonatePicture[] = "donate";
inline constexpr char kProceedGlyph[] = "proceed";
inline constexpr char kPrintGlyph[] = "glyph-print";
inline constexpr char kHelpGlyph[] = "glyph-help";
inline constexpr char kLastYearGlyph[] = "glyph-last-year";
inline constexpr char kLastMonthGlyph[] = "glyph-last-month";
inline constexpr char kTodayGlyph[] = "glyph-today";
inline constexpr char kNextMonthGlyph[] = "glyph-next-month";
inline constexpr char kNextYearGlyph[] = "glyph-next-year";

// The picture at `logicalSize` for a display with `devicePixelRatio` device
// pixels per logical pixel: the bitmap made for that size, scaled smoothly
// when the ratio is neither 1 nor 2. A null pixmap when the picture was not
// made at that size.
QPixmap PicturePixmap(const char* picture, QSize logicalSize, qreal devicePixelRatio);

// The bitmap made for `logicalSize` at `scale` (1 or 2); null when there is
// none. Safe on any thread.
QImage ReadPicture(const char* picture, QSize logicalSize, int scale);

// An icon with the picture at 1x and 2x of `logicalSize` (Qt derives the
// disabled look from them), taken from `prefetch` where it holds them.
QIcon PictureIcon(const char* picture, QSize logicalSize, PicturePrefetch* prefetch = nullptr);
// The bitmaps PictureIcon uses, for a PicturePrefetch.
std::vector<PictureKey> PictureIconKeys(const char* picture, QSize logicalSize);

// A window icon: the picture at the sizes window managers show (each is sent
// with every window, so no more than those).
QIcon WindowIcon(const char* picture, PicturePrefetch* prefetch = nullptr);
// The bitmaps WindowIcon uses, for a PicturePrefetch.
std::vector<PictureKey> WindowIconKeys(const char* picture);

}  // namespace tessarine
