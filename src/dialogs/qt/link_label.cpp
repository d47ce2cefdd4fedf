// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/link_label.h"

#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

namespace tessarine {

QLabel* MakeLinkLabel(QWidget* parent, const char* name, const QString& address, const QFont& font,
                      const QRect& design) {
    auto* label = new QLabel(address, parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont underlined = font;
    underlined.setUnderline(true);
    label->setFont(underlined);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    label->setPalette(palette);
    const int width = std::max(design.width(), label->sizeHint().width());
    label->setGeometry(design.x() + design.width() / 2 - width / 2, design.y(), width,
                       design.height());
    return label;
}

bool IsLeftClick(const QEvent& event) {
    return event.type() == QEvent::MouseButtonRelease &&
           static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
}

}  // namespace tessarine
