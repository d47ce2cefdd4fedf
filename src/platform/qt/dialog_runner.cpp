// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/dialog_runner.h"

#include <QDialog>

namespace tessarine {

int ModalDialogRunner::Run(QDialog& dialog) {
    return dialog.exec();
}

int RunDialog(DialogRunner* runner, QDialog& dialog) {
    return runner != nullptr ? runner->Run(dialog) : ModalDialogRunner().Run(dialog);
}

}  // namespace tessarine
