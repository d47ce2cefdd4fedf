#include "platform/qt/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <initializer_list>

namespace tessarine {

namespace {

QPixmap Render(QSvgRenderer& renderer, QSize logicalSize, qreal devicePixelRatio) {
    if (!renderer.isValid() || logicalSize.isEmpty()) return {};
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QPixmap pixmap(static_cast<int>(std::ceil(logicalSize.width() * ratio)),
                   static_cast<int>(std::ceil(logicalSize.height() * ratio)));
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

// Every picture of an icon from one reading of its drawing.
QIcon RenderIcon(const QString& resource, std::initializer_list<QSize> logicalSizes,
                 std::initializer_list<qreal> ratios) {
    QSvgRenderer renderer(resource);
    QIcon icon;
    for (const QSize size : logicalSizes) {
        for (const qreal ratio : ratios) {
            const QPixmap pixmap = Render(renderer, size, ratio);
            if (!pixmap.isNull()) icon.addPixmap(pixmap);
        }
    }
    return icon;
}

}  // namespace

QPixmap SvgPixmap(const QString& resource, QSize logicalSize, qreal devicePixelRatio) {
    QSvgRenderer renderer(resource);
    return Render(renderer, logicalSize, devicePixelRatio);
}

QIcon SvgIcon(const QString& resource, QSize logicalSize) {
    return RenderIcon(resource, {logicalSize}, {1.0, 2.0});
}

QIcon SvgWindowIcon(const QString& resource) {
    return RenderIcon(resource, {QSize(16, 16), QSize(32, 32), QSize(48, 48), QSize(64, 64)},
                      {1.0});
}

}  // namespace tessarine
