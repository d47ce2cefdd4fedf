// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

namespace tessarine {

// Acts on a dialog that runs its own modal loop (exec()). A timer polls until
// the application's modal widget is a dialog and is also the active window
// (a modal dialog is reported modal a moment before it is active), then runs
// the action on it. Whatever happens, the loop is ended: a dialog the action
// left open, or one that never became active in time, is closed with result 0
// and the fact recorded.
class ModalDialogDriver {
  public:
    struct Outcome {
        bool acted = false;
        bool timedOut = false;
        bool leftOpen = false;
    };

    explicit ModalDialogDriver(std::function<void(QDialog&)> action, int timeoutMs = 5000)
        : outcome_(std::make_shared<Outcome>()) {
        auto* timer = new QTimer;
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        auto outcome = outcome_;
        QObject::connect(timer, &QTimer::timeout, [timer, clock, outcome, action, timeoutMs] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog != nullptr && QApplication::activeWindow() == dialog) {
                timer->stop();
                timer->deleteLater();
                outcome->acted = true;
                action(*dialog);
                if (dialog->isVisible()) {
                    outcome->leftOpen = true;
                    dialog->done(0);
                }
                return;
            }
            if (dialog != nullptr) dialog->activateWindow();
            if (clock->elapsed() > timeoutMs) {
                timer->stop();
                timer->deleteLater();
                outcome->timedOut = true;
                if (dialog != nullptr) dialog->done(0);
            }
        });
        timer->start(10);
    }

    const Outcome& outcome() const { return *outcome_; }

  private:
    std::shared_ptr<Outcome> outcome_;
};

}  // namespace tessarine
