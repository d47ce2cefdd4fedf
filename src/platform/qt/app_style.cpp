// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/app_style.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <algorithm>

namespace tessarine {

namespace {

// Two chevrons pointing where the hidden menus lie, in the button text's
// colour, drawn at whatever size and scale the button asks for.
class ChevronIconEngine : public QIconEngine {
  public:
    explicit ChevronIconEngine(Qt::Orientation orientation) : orientation_(orientation) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette::ColorGroup group =
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        const qreal side = std::min(rect.width(), rect.height());
        QPen pen(QGuiApplication::palette().color(group, QPalette::ButtonText),
                 std::max<qreal>(1.0, side / 10.0));
        pen.setJoinStyle(Qt::MiterJoin);
        const QRectF box(rect.center().x() - side * 0.3 + 0.5, rect.center().y() - side * 0.3 + 0.5,
                         side * 0.6, side * 0.6);
        QPainterPath chevrons;
        for (const qreal step : {0.0, 0.45}) {
            if (orientation_ == Qt::Horizontal) {
                const qreal x = box.left() + step * box.width();
                chevrons.moveTo(x, box.top());
                chevrons.lineTo(x + box.width() * 0.4, box.center().y());
                chevrons.lineTo(x, box.bottom());
            } else {
                const qreal y = box.top() + step * box.height();
                chevrons.moveTo(box.left(), y);
                chevrons.lineTo(box.center().x(), y + box.height() * 0.4);
                chevrons.lineTo(box.right(), y);
            }
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(chevrons);
        painter->restore();
    }

    // The default leaves the pixmap's background as it finds it.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new ChevronIconEngine(orientation_); }

  private:
    Qt::Orientation orientation_;
};

}  // namespace

QIcon AppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                             const QWidget* widget) const {
    switch (standardIcon) {
        case SP_ToolBarHorizontalExtensionButton:
            return QIcon(new ChevronIconEngine(Qt::Horizontal));
        case SP_ToolBarVerticalExtensionButton:
            return QIcon(new ChevronIconEngine(Qt::Vertical));
        default:
            return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

}  // namespace tessarine
