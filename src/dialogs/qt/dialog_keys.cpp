#include "dialogs/qt/dialog_keys.h"

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

}  // namespace tessarine
