// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/qt/form_dialog.h"
#include "platform/shell.h"

class QLabel;
class QToolButton;

namespace tessarine {

// The program's picture with its name, version, edition and home page. It
// serves twice: as the splash at start-up, shown without waiting and closed
// by the main window's timer, and as the modal About window, which the "X"
// button closes and whose link opens the home page. A click on the picture
// closes it in either mode, and so does Esc: the window has no frame, so
// from the keyboard there is no other way to close it.
class TsplashForm : public FormDialog {
    Q_OBJECT

  public:
    enum class Mode { StartUp, About };
    static constexpr int kWidth = 280;
    static constexpr int kHeight = 140;

    // The shell opens the home page and must outlive the window.
    TsplashForm(QWidget* owner, Mode mode, Shell& shell);

    Mode mode() const { return mode_; }

    QLabel* Image1 = nullptr;
    QToolButton* btnClose = nullptr;
    QLabel* lblSubtitle = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;

    void Image1Click();
    void btnCloseClick();
    void Label3Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    Mode mode_;
    Shell& shell_;
};

}  // namespace tessarine
