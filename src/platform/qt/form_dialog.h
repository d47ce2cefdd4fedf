// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QKeyEvent;

namespace tessarine {

// The help topic every F1 handler of the dialogs passes to the main window.
inline constexpr char kDialogHelpTopic[] = "HLP_WEL1";

// The main window's StartMyHelp, handed to each dialog by its owner. May be
// empty, in which case F1 is still consumed but opens nothing.
using StartMyHelpFn = std::function<void(const std::string& topic)>;

// The base of the program's dialogs. A dialog sees every key before its
// controls: Esc ends it with its escape result and F1 opens the help page
// while it stays open. The close box and every other rejection end it as Esc
// does, because some window managers show a close box it did not ask for.
class FormDialog : public QDialog {
    Q_OBJECT

  public:
    FormDialog(QWidget* owner, Qt::WindowFlags flags, int escapeResult, StartMyHelpFn startMyHelp);

    // Esc and F1 as above; other keys pass on. Returns whether the key was
    // consumed.
    virtual bool FormKeyDown(QKeyEvent& event);

    void reject() override;

    // Places the dialog's frame centred over the frame of `owner`, or on
    // its screen while the owner is not shown.
    void CentreOver(const QWidget* owner);
    // Centres the dialog's frame on the screen `owner` is on (the primary
    // screen without owner).
    void CentreOnScreen(const QWidget* owner);

  protected:
    // Places the dialog again once the window manager has framed it, if the
    // frame differs from the guess it was first placed by.
    bool event(QEvent* event) override;

    // Call once the controls exist: the dialog becomes the event filter of
    // itself and of every widget inside it.
    void InstallKeyPreview();
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void OpenHelp() noexcept;
    void CentreIn(const QRect& area, const QWidget* owner);
    void Recentre();

    enum class Placement { AsPlaced, OverOwner, OnScreen };
    Placement placement_ = Placement::AsPlaced;
    const QWidget* placedFor_ = nullptr;
    QSize guessedFrame_;
    bool framed_ = false;

    int escapeResult_;
    StartMyHelpFn startMyHelp_;
};

}  // namespace tessarine
