#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

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

// An icon with the picture at 1x and 2x of `logicalSize` (Qt derives the
// disabled look from them).
QIcon PictureIcon(const char* picture, QSize logicalSize);

// A window icon: the picture at the sizes window managers show (each is sent
// with every window, so no more than those).
QIcon WindowIcon(const char* picture);

}  // namespace tessarine
