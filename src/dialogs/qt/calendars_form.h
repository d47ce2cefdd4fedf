// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>

#include "dialogs/calendar_sources.h"
#include "platform/qt/form_dialog.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tessarine {

// The user's calendars: files and web addresses, each with a check box that
// shows or hides it without removing it. Every change is made to the list
// handed in and announced at once through `changed`, which stores it.
class TCalendarsForm : public FormDialog {
    Q_OBJECT

  public:
    static constexpr int kResultClose = 1;
    static constexpr int kResultEscape = 2;

    // Asks for an .ics file; returns its path, or an empty text when the
    // user chose none.
    using FileChooser = std::function<QString(QWidget* owner)>;

    // chooseFile empty: the desktop's file dialog.
    TCalendarsForm(QWidget* owner, CalendarSources& sources, std::function<void()> changed,
                   StartMyHelpFn startMyHelp, FileChooser chooseFile = {});

    // The sources that could not be read, and the addresses shown from the
    // copy kept before, one message each; none hides the notice.
    void setProblems(const QStringList& problems, const QStringList& keptCopies = {});

    QListWidget* lstCalendars = nullptr;
    QPushButton* btnAddFile = nullptr;
    QLineEdit* edAddress = nullptr;
    QPushButton* btnAddAddress = nullptr;
    QPushButton* btnRemove = nullptr;
    QLabel* lblNotice = nullptr;
    QPushButton* btnClose = nullptr;

    void btnAddFileClick();
    void btnAddAddressClick();
    void btnRemoveClick();

  private:
    void FillList();
    void ItemChanged(QListWidgetItem* item);
    void UpdateButtons();
    void Changed();

    CalendarSources& sources_;
    std::function<void()> changed_;
    FileChooser chooseFile_;
    bool filling_ = false;
};

}  // namespace tessarine
