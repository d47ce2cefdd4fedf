// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/pictures.h"

#include <QByteArray>
#include <QImageReader>
#include <QString>
#include <cmath>

namespace tessarine {

namespace {

constexpr int kIconScales[] = {1, 2};
constexpr int kWindowIconSides[] = {16, 32, 48, 64};

QImage TakeOrRead(PicturePrefetch* prefetch, const char* picture, QSize logicalSize, int scale) {
    QImage image = prefetch != nullptr ? prefetch->Take(picture, logicalSize, scale) : QImage();
    return image.isNull() ? ReadPicture(picture, logicalSize, scale) : image;
}

}  // namespace

// Read as PNG and nothing else: a reader left to find the format itself
// loads every image plugin first (and the SVG and JPEG libraries with them)
// to ask each whether it knows the data. Read into a QImage too: a QPixmap
// read from a file stays in the pixmap cache for the program's life, and
// the splash's would outlast the splash.
QImage ReadPicture(const char* picture, QSize logicalSize, int scale) {
    QImageReader reader(QStringLiteral(":/pictures/%1-%2x%3%4.png")
                            .arg(QLatin1String(picture))
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)),
                        QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QPixmap PicturePixmap(const char* picture, QSize logicalSize, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap = QPixmap::fromImage(ReadPicture(picture, logicalSize, ratio > 1.0 ? 2 : 1));
    if (pixmap.isNull()) return {};
    const QSize deviceSize(static_cast<int>(std::ceil(logicalSize.width() * ratio)),
                           static_cast<int>(std::ceil(logicalSize.height() * ratio)));
    if (pixmap.size() != deviceSize) {
        pixmap = pixmap.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon PictureIcon(const char* picture, QSize logicalSize, PicturePrefetch* prefetch) {
    QIcon icon;
    for (const int scale : kIconScales) {
        QPixmap pixmap = QPixmap::fromImage(TakeOrRead(prefetch, picture, logicalSize, scale));
        if (pixmap.isNull()) continue;
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

std::vector<PictureKey> PictureIconKeys(const char* picture, QSize logicalSize) {
    std::vector<PictureKey> keys;
    for (const int scale : kIconScales) keys.push_back({picture, logicalSize, scale});
    return keys;
}

QIcon WindowIcon(const char* picture, PicturePrefetch* prefetch) {
    QIcon icon;
    for (const int side : kWindowIconSides) {
        const QPixmap pixmap =
            QPixmap::fromImage(TakeOrRead(prefetch, picture, QSize(side, side), 1));
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

std::vector<PictureKey> WindowIconKeys(const char* picture) {
    std::vector<PictureKey> keys;
    for (const int side : kWindowIconSides) keys.push_back({picture, QSize(side, side), 1});
    return keys;
}

}  // namespace tessarine
