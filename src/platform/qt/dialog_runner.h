// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;

namespace tessarine {

// Shows a dialog modally and returns its result. Commands take one of these
// instead of calling exec() themselves, so that a test can script the dialog
// instead of entering a modal loop that nobody would end.
class DialogRunner {
  public:
    virtual ~DialogRunner() = default;
    virtual int Run(QDialog& dialog) = 0;
};

// The real thing: a nested event loop until the dialog ends.
class ModalDialogRunner : public DialogRunner {
  public:
    int Run(QDialog& dialog) override;
};

// Runs `dialog` with `runner`, or in a real modal loop when there is none.
int RunDialog(DialogRunner* runner, QDialog& dialog);

}  // namespace tessarine
