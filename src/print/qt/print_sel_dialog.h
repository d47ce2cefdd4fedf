#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "print/print_job.h"

class QComboBox;
class QLabel;
class QPushButton;
class QKeyEvent;

namespace tessarine {

// The main window's StartMyHelp, as the dialog's F1 calls it.
using PrintHelpFn = std::function<void(const std::string& topic)>;

// "Print Calendar Pages": asks for the page format and the number of
// consecutive pages, and writes the choice into the job. Result 1 = Print,
// 2 = Cancel (also Esc and the close box).
class TprintSelDialog : public QDialog {
    Q_OBJECT

  public:
    TprintSelDialog(QWidget* owner, PrintJobState& job, PrintHelpFn startMyHelp);

    QLabel* Label1 = nullptr;
    QComboBox* cbPageFormat = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbConsecutivePages = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnOK = nullptr;

    void btnOKClick();
    void btnCancelClick();
    // Esc closes with Cancel, F1 opens the help; both are consumed. Returns
    // whether the key was handled.
    bool FormKeyDown(QKeyEvent& event);

    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    PrintJobState& job_;
    PrintHelpFn startMyHelp_;
};

}  // namespace tessarine
