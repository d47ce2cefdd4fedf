#include "platform/qt/pictures.h"

#include <QByteArray>
#include <QImageReader>
#include <QString>
#include <cmath>

namespace tessarine {

namespace {

// Read as PNG and nothing else: a reader left to find the format itself
// loads every image plugin first (and the SVG and JPEG libraries with them)
// to ask each whether it knows the data. Read through QImage too: a QPixmap
// read from a file stays in the pixmap cache for the program's life, and
// the splash's would outlast the splash.
QPixmap Bitmap(const char* picture, QSize logicalSize, int scale) {
    QImageReader reader(QStringLiteral(":/pictures/%1-%2x%3%4.png")
                            .arg(QLatin1String(picture))
                            .arg(logicalSize.width())
                            .arg(logicalSize.height())
                            .arg(scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale)),
                        QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

QPixmap PicturePixmap(const char* picture, QSize logicalSize, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap = Bitmap(picture, logicalSize, ratio > 1.0 ? 2 : 1);
    if (pixmap.isNull()) return {};
    const QSize deviceSize(static_cast<int>(std::ceil(logicalSize.width() * ratio)),
                           static_cast<int>(std::ceil(logicalSize.height() * ratio)));
    if (pixmap.size() != deviceSize) {
        pixmap = pixmap.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QIcon PictureIcon(const char* picture, QSize logicalSize) {
    QIcon icon;
    for (const int scale : {1, 2}) {
        QPixmap pixmap = Bitmap(picture, logicalSize, scale);
        if (pixmap.isNull()) continue;
        pixmap.setDevicePixelRatio(scale);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon WindowIcon(const char* picture) {
    QIcon icon;
    for (const int side : {16, 32, 48, 64}) {
        const QPixmap pixmap = Bitmap(picture, QSize(side, side), 1);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace tessarine
