// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "calendar/color_set.h"
#include "calendar/date_serial.h"
#include "dialogs/date_differences.h"
#include "platform/qt/form_dialog.h"

class QFrame;
class QLabel;
class QPushButton;

namespace tessarine {

// The table of signed day differences between the three marks. Texts and
// colours are computed once, at creation, from the marks and the active
// colours handed in; nothing changes while it is open.
class TDateDiffForm : public FormDialog {
    Q_OBJECT

  public:
    static constexpr int kResultClose = 1;
    static constexpr int kResultEscape = 2;

    TDateDiffForm(QWidget* owner, DateSerial markedDate1, DateSerial markedDate2,
                  DateSerial markedDate3, const ColorSet& activeColors, StartMyHelpFn startMyHelp);

    QLabel* c1 = nullptr;
    QLabel* c2 = nullptr;
    QLabel* c3 = nullptr;
    QLabel* r1 = nullptr;
    QLabel* r2 = nullptr;
    QLabel* r3 = nullptr;
    QLabel* r1c1 = nullptr;
    QLabel* r1c2 = nullptr;
    QLabel* r1c3 = nullptr;
    QLabel* r2c1 = nullptr;
    QLabel* r2c2 = nullptr;
    QLabel* r2c3 = nullptr;
    QLabel* r3c1 = nullptr;
    QLabel* r3c2 = nullptr;
    QLabel* r3c3 = nullptr;
    QFrame* Bevel1 = nullptr;
    QPushButton* btnClose = nullptr;

    // The nine cells by row and column, 0-based.
    QLabel* Cell(int row, int column) const;

    void btnCloseClick();

  private:
    void FormCreate(DateSerial markedDate1, DateSerial markedDate2, DateSerial markedDate3,
                    const ColorSet& activeColors);

    std::array<std::array<QLabel*, 3>, 3> cells_{};
};

}  // namespace tessarine
