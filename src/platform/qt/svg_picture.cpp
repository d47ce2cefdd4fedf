#include "platform/qt/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

namespace tessarine {

QPixmap SvgPixmap(const QString& resource, QSize logicalSize, qreal devicePixelRatio) {
    QSvgRenderer renderer(resource);
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

QIcon SvgIcon(const QString& resource, QSize logicalSize) {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        const QPixmap pixmap = SvgPixmap(resource, logicalSize, ratio);
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace tessarine
