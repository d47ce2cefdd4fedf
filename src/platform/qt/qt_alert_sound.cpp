// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_alert_sound.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QTimer>

namespace tessarine {

namespace {

constexpr int kFlashMs = 150;
constexpr int kFlashAlpha = 96;
const char* const kFlashName = "visualBell";

// A visual bell: the window's contents flash once in the highlight colour.
void Flash(QWidget* window) {
    auto* flash = window->findChild<QWidget*>(kFlashName, Qt::FindDirectChildrenOnly);
    if (flash == nullptr) {
        flash = new QWidget(window);
        flash->setObjectName(kFlashName);
        flash->setAttribute(Qt::WA_TransparentForMouseEvents);
        flash->setAutoFillBackground(true);
        QColor tint = window->palette().color(QPalette::Highlight);
        tint.setAlpha(kFlashAlpha);
        QPalette palette = flash->palette();
        palette.setColor(QPalette::Window, tint);
        flash->setPalette(palette);
    }
    flash->setGeometry(window->rect());
    flash->raise();
    flash->show();
    QTimer::singleShot(kFlashMs, flash, &QWidget::hide);
}

}  // namespace

QtAlertSound::QtAlertSound(QWidget* window)
    : window_(window),
      alert_(DesktopAlert::Channels{
          [this] { return themeBell_.Play(); }, [] { QApplication::beep(); },
          [this] {
              QWidget* window = window_ ? window_->window() : QApplication::activeWindow();
              if (window == nullptr) return;
              Flash(window);
              // The toolkit asks only for a window that is not the active one.
              QApplication::alert(window);
          }}) {}

void QtAlertSound::Beep() {
    alert_.Beep();
}

}  // namespace tessarine
