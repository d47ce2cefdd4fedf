// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "calendar/date_serial.h"
#include "dialogs/donation_reminder.h"
#include "platform/qt/dialog_runner.h"
#include "platform/qt/form_dialog.h"
#include "platform/shell.h"

class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tessarine {

// What the donation dialog needs besides the reminder.
struct DonationServices {
    Shell* shell = nullptr;                // opens the web pages; required
    std::function<DateSerial()> today;     // empty: the system's date
    DialogRunner* dialogRunner = nullptr;  // null: a real modal loop
};

// "Make a Donation": five answers, the first selected, and "Proceed". Both
// ways of closing it ("Proceed", the close box) record the selected answer in
// the reminder. Esc does nothing: with the first answer selected it would
// open the donation page for a user who only meant to dismiss the dialog.
class TDonateForm : public FormDialog {
    Q_OBJECT

  public:
    static constexpr int kResultProceed = 1;
    static constexpr int kResultClosed = 2;

    // The reminder and the services must outlive the dialog.
    TDonateForm(QWidget* owner, DonationReminder& reminder, const DonationServices& services);

    QLabel* Image1 = nullptr;
    QGroupBox* rgDonate = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* lblHomePage = nullptr;
    QPushButton* ntmOK = nullptr;

    // The index of the selected answer, 0..4.
    int SelectedAnswer() const;
    void SelectAnswer(int answer);

    void FormCreate();
    void ntmOKClick();
    void lblHomePageClick();

    void done(int result) override;
    bool FormKeyDown(QKeyEvent& event) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void FormClose();
    DateSerial Today() const;
    void OpenPage(const char* address) const;

    DonationReminder& reminder_;
    DonationServices services_;
    QButtonGroup* answers_ = nullptr;
    bool closed_ = false;
};

// The reminder as the main window closes: shows the dialog modally when the
// stored answer and the days since the last prompt call for it.
void RemindIfDue(QWidget* owner, DonationReminder& reminder, const DonationServices& services);

// The Donate button and the Help menu's "Make a Donation": always shows the
// dialog, and no reminder follows in this run.
void ShowDonationDialog(QWidget* owner, DonationReminder& reminder,
                        const DonationServices& services);

}  // namespace tessarine
