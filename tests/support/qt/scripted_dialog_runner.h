// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <stdexcept>
#include <utility>
#include <vector>

#include "platform/qt/dialog_runner.h"

namespace tessarine {

// Stands in for the modal loop: shows the dialog without blocking, makes it
// the active window, plays the next queued script on it (typing, clicks,
// keys) and returns the result the dialog ended with. A script that leaves the
// dialog open is recorded and the dialog hidden, so no test can hang.
class ScriptedDialogRunner : public DialogRunner {
  public:
    using Script = std::function<void(QDialog&)>;

    void Queue(Script script) { scripts_.push_back(std::move(script)); }
    // The next Run throws instead of showing the dialog.
    void FailNextRun() { failNext_ = true; }

    int Run(QDialog& dialog) override {
        if (failNext_) {
            failNext_ = false;
            throw std::runtime_error("the dialog could not be shown");
        }
        titles.push_back(dialog.windowTitle());
        dialog.show();
        dialog.activateWindow();
        QApplication::processEvents();
        if (!scripts_.empty()) {
            Script script = std::move(scripts_.front());
            scripts_.pop_front();
            script(dialog);
        }
        if (dialog.isVisible()) {
            ++leftOpen;
            dialog.hide();
        }
        return dialog.result();
    }

    std::vector<QString> titles;  // one entry per dialog shown
    int leftOpen = 0;             // dialogs no script ended

  private:
    std::deque<Script> scripts_;
    bool failNext_ = false;
};

}  // namespace tessarine
