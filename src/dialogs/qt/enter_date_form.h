// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/qt/form_dialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tessarine {

// The go-to-date dialog. It only collects up to eight characters: on OK it
// copies them unchanged into the shared entered-date text and ends with 1;
// Cancel, Esc and the close box end it with 2 and leave that text alone.
class TenterDateForm : public FormDialog {
    Q_OBJECT

  public:
    static constexpr int kResultOK = 1;
    static constexpr int kResultCancel = 2;

    // `enteredDateText` must outlive the dialog.
    TenterDateForm(QWidget* owner, std::string& enteredDateText, StartMyHelpFn startMyHelp);

    QLabel* Label1 = nullptr;
    QLineEdit* edNewDate = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnOK = nullptr;

    void btnOKClick();
    void btnCancelClick();

  private:
    std::string& enteredDateText_;
};

}  // namespace tessarine
