#include "platform/qt/dialog_runner.h"

#include <QDialog>

namespace tessarine {

int ModalDialogRunner::Run(QDialog& dialog) {
    return dialog.exec();
}

}  // namespace tessarine
