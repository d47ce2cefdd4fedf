#include "dialogs/qt/dialog_keys.h"

#include <QDialog>
#include <QKeyEvent>
#include <QWidget>

namespace tessarine {

void InstallKeyPreview(QWidget& form) {
    form.installEventFilter(&form);
    for (QWidget* child : form.findChildren<QWidget*>()) child->installEventFilter(&form);
}

void OpenHelp(const StartMyHelpFn& startMyHelp) noexcept {
    if (!startMyHelp) return;
    try {
        startMyHelp(kDialogHelpTopic);
    } catch (...) {
        // Deliberately silent: see the header.
    }
}

bool HandleDialogKey(QDialog& dialog, const QKeyEvent& event, int escapeResult,
                     const StartMyHelpFn& startMyHelp) {
    switch (event.key()) {
        case Qt::Key_Escape:
            dialog.done(escapeResult);
            return true;
        case Qt::Key_F1:
            OpenHelp(startMyHelp);
            return true;
        default:
            return false;
    }
}

}  // namespace tessarine
