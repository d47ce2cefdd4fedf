// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/form_dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <utility>

namespace tessarine {

FormDialog::FormDialog(QWidget* owner, Qt::WindowFlags flags, int escapeResult,
                       StartMyHelpFn startMyHelp)
    : QDialog(owner, flags), escapeResult_(escapeResult), startMyHelp_(std::move(startMyHelp)) {}

bool FormDialog::FormKeyDown(QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape:
            done(escapeResult_);
            return true;
        case Qt::Key_F1:
            OpenHelp();
            return true;
        default:
            return false;
    }
}

void FormDialog::reject() {
    done(escapeResult_);
}

void FormDialog::OpenHelp() noexcept {
    if (!startMyHelp_) return;
    try {
        startMyHelp_(kDialogHelpTopic);
    } catch (...) {
        // A help page that cannot be opened is not an error the user hears
        // about, and nothing may escape into the event loop.
    }
}

void FormDialog::InstallKeyPreview() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

bool FormDialog::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::ShortcutOverride) {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (type == QEvent::ShortcutOverride) {
            // Claim Esc and F1 so that no shortcut takes them first.
            if (key.key() == Qt::Key_Escape || key.key() == Qt::Key_F1) {
                event->accept();
                return true;
            }
        } else if (FormKeyDown(key)) {
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

namespace {

QRect ScreenArea(const QWidget* owner) {
    const QScreen* where = owner != nullptr && owner->screen() != nullptr
                               ? owner->screen()
                               : QGuiApplication::primaryScreen();
    return where != nullptr ? where->availableGeometry() : QRect();
}

}  // namespace

void FormDialog::CentreIn(const QRect& area, const QWidget* owner) {
    if (area.isEmpty()) return;
    // Before the window manager has framed the dialog its frame is unknown;
    // the owner's frame is the best guess for it.
    QSize frameExtent = frameGeometry().size() - geometry().size();
    if (!isVisible() && owner != nullptr && !windowFlags().testFlag(Qt::FramelessWindowHint)) {
        frameExtent = owner->frameGeometry().size() - owner->geometry().size();
    }
    guessedFrame_ = frameExtent;
    const QSize outer = size() + frameExtent;
    // move() places the frame's top-left corner.
    move(area.x() + (area.width() - outer.width()) / 2,
         area.y() + (area.height() - outer.height()) / 2);
}

void FormDialog::CentreOver(const QWidget* owner) {
    placement_ = Placement::OverOwner;
    placedFor_ = owner;
    if (owner != nullptr && owner->isVisible()) {
        CentreIn(owner->frameGeometry(), owner);
    } else {
        CentreOnScreen(owner);
    }
}

void FormDialog::CentreOnScreen(const QWidget* owner) {
    if (placement_ != Placement::OverOwner) {
        placement_ = Placement::OnScreen;
        placedFor_ = owner;
    }
    CentreIn(ScreenArea(owner), owner);
}

bool FormDialog::event(QEvent* event) {
    // Before the base handles the event: a deferred delete ends the dialog.
    if (!framed_ && isVisible() &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        const QSize frame = frameGeometry().size() - geometry().size();
        if (!frame.isNull()) {
            framed_ = true;
            if (frame != guessedFrame_) Recentre();
        }
    }
    return QDialog::event(event);
}

void FormDialog::Recentre() {
    switch (placement_) {
        case Placement::OverOwner:
            CentreOver(placedFor_);
            break;
        case Placement::OnScreen:
            CentreOnScreen(placedFor_);
            break;
        case Placement::AsPlaced:
            break;
    }
}

}  // namespace tessarine
