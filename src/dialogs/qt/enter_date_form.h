#pragma once

#include <QDialog>
#include <string>

#include "dialogs/qt/dialog_keys.h"

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tessarine {

// The go-to-date dialog. It only collects up to eight characters: on OK it
// copies them unchanged into the shared entered-date text and ends with 1;
// Cancel, Esc and the close box end it with 2 and leave that text alone.
class TenterDateForm : public QDialog {
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
    // Returns true when the key was consumed.
    bool FormKeyDown(QKeyEvent& event);

    // The close box and every other rejection end the dialog as Cancel does.
    void reject() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::string& enteredDateText_;
    StartMyHelpFn startMyHelp_;
};

}  // namespace tessarine
