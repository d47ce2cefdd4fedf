// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/speed_button.h"

#include <QFontMetricsF>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <algorithm>
#include <cmath>

namespace tessarine {

SpeedButton::SpeedButton(QWidget* parent) : QToolButton(parent) {
    setAutoRaise(true);
    setFocusPolicy(Qt::NoFocus);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void SpeedButton::setGlyph(const QIcon& glyph, GlyphSide side) {
    glyphSide_ = side;
    setIcon(glyph);
    update();
}

QSize SpeedButton::glyphExtent() const {
    return icon().isNull() ? QSize(0, 0) : iconSize();
}

int SpeedButton::captionWidth() const {
    if (text().isEmpty()) {
        return 0;
    }
    // Rounded up: a caption given its rounded-down width would be elided.
    return static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(text())));
}

int SpeedButton::contentLeft() const {
    const int spacing = (icon().isNull() || text().isEmpty()) ? 0 : kGlyphSpacing;
    const int content = glyphExtent().width() + spacing + captionWidth();
    // Too wide a caption starts at the left edge and is cut at the right.
    return std::max(0, (width() - content) / 2);
}

QRect SpeedButton::glyphRect() const {
    const QSize extent = glyphExtent();
    if (extent.isEmpty()) {
        return {};
    }
    const int top = (height() - extent.height()) / 2;
    int left = contentLeft();
    if (glyphSide_ == GlyphSide::Right && !text().isEmpty()) {
        left += captionWidth() + kGlyphSpacing;
    }
    return QRect(QPoint(left, top), extent);
}

QRect SpeedButton::captionRect() const {
    if (text().isEmpty()) {
        return {};
    }
    int left = contentLeft();
    if (glyphSide_ == GlyphSide::Left && !icon().isNull()) {
        left += glyphExtent().width() + kGlyphSpacing;
    }
    return QRect(left, 0, std::min(captionWidth(), std::max(0, width() - left)), height());
}

QSize SpeedButton::sizeHint() const {
    const int spacing = (icon().isNull() || text().isEmpty()) ? 0 : kGlyphSpacing;
    const int content = glyphExtent().width() + spacing + captionWidth();
    return QSize(content + 12, std::max(glyphExtent().height(), fontMetrics().height()) + 10);
}

void SpeedButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);

    // The style draws the frame only; it would put the content against the
    // left edge, and this button centres it.
    QStyleOptionToolButton frame = option;
    frame.text.clear();
    frame.icon = QIcon();
    frame.toolButtonStyle = Qt::ToolButtonIconOnly;
    painter.drawComplexControl(QStyle::CC_ToolButton, frame);

    QPoint shift;
    if (isDown() || isChecked()) {
        shift = QPoint(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                       style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    }

    const QRect glyph = glyphRect();
    if (!glyph.isEmpty()) {
        QIcon::Mode mode = QIcon::Normal;
        if (!isEnabled()) {
            mode = QIcon::Disabled;
        } else if (underMouse()) {
            mode = QIcon::Active;
        }
        const QPixmap pixmap = icon().pixmap(glyph.size(), devicePixelRatio(), mode);
        painter.drawPixmap(glyph.translated(shift), pixmap);
    }

    const QRect caption = captionRect();
    if (!caption.isEmpty()) {
        const QString shown =
            fontMetrics().elidedText(text(), Qt::ElideRight, caption.width(), Qt::TextShowMnemonic);
        style()->drawItemText(&painter, caption.translated(shift),
                              Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                              isEnabled(), shown, QPalette::ButtonText);
    }
}

}  // namespace tessarine
