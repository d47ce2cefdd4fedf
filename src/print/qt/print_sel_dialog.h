// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/form_dialog.h"
#include "print/print_job.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tessarine {

// "Print Calendar Pages": asks for the page format and the number of
// consecutive pages, and writes the choice into the job. Result 1 = Print,
// 2 = Cancel (also Esc and the close box).
class TprintSelDialog : public FormDialog {
    Q_OBJECT

  public:
    TprintSelDialog(QWidget* owner, PrintJobState& job, StartMyHelpFn startMyHelp);

    QLabel* Label1 = nullptr;
    QComboBox* cbPageFormat = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbConsecutivePages = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnOK = nullptr;

    void btnOKClick();
    void btnCancelClick();

  private:
    PrintJobState& job_;
};

}  // namespace tessarine
