#pragma once

#include <functional>
#include <string>

class QDialog;
class QKeyEvent;
class QWidget;

namespace tessarine {

// The help topic every F1 handler of the dialogs passes to the main window.
inline constexpr char kDialogHelpTopic[] = "HLP_WEL1";

// The main window's StartMyHelp, handed to each dialog by its owner. May be
// empty, in which case F1 is still consumed but opens nothing.
using StartMyHelpFn = std::function<void(const std::string& topic)>;

// Makes `form` see every key before the focused control: it becomes the event
// filter of itself and of every widget inside it at the time of the call.
void InstallKeyPreview(QWidget& form);

// F1 in a dialog: asks the owner to open the help page. A help page that
// cannot be opened is not an error the user hears about, and nothing may
// escape into the event loop, so a failing callback is ignored.
void OpenHelp(const StartMyHelpFn& startMyHelp) noexcept;

// The keys every dialog handles first: Esc ends `dialog` with
// `escapeResult`, F1 opens help and leaves it open. True when the key was one
// of them and is consumed.
bool HandleDialogKey(QDialog& dialog, const QKeyEvent& event, int escapeResult,
                     const StartMyHelpFn& startMyHelp);

}  // namespace tessarine
