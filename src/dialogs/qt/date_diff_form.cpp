// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/date_diff_form.h"

#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <utility>

#include "platform/qt/font_setup.h"
#include "platform/qt/qt_color.h"

namespace tessarine {

namespace {

QLabel* MakeTableLabel(QWidget* parent, const char* name, int left, int top) {
    auto* label = new QLabel(QStringLiteral("?????????"), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top, 100, 22);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

// The background, and text that reads on it whatever the theme.
void Paint(QWidget& widget, Color color) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    UseReadableText(palette, color);
    widget.setPalette(palette);
}

}  // namespace

TDateDiffForm::TDateDiffForm(QWidget* owner, DateSerial markedDate1, DateSerial markedDate2,
                             DateSerial markedDate3, const ColorSet& activeColors,
                             StartMyHelpFn startMyHelp)
    : FormDialog(owner,
                 Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::MSWindowsFixedSizeDialogHint,
                 kResultEscape, std::move(startMyHelp)) {
    setObjectName(QStringLiteral("dateDiffForm"));
    setWindowTitle(tr("Display Date Differences"));
    setFont(ScreenFont(11));
    setFixedSize(483, 208);

    // Made first so that it lies beneath the cells it frames.
    Bevel1 = new QFrame(this);
    Bevel1->setObjectName(QStringLiteral("Bevel1"));
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel1->setLineWidth(1);
    Bevel1->setGeometry(120, 36, 345, 113);

    c1 = MakeTableLabel(this, "c1", 128, 8);
    c2 = MakeTableLabel(this, "c2", 240, 8);
    c3 = MakeTableLabel(this, "c3", 352, 8);
    r1 = MakeTableLabel(this, "r1", 16, 40);
    r2 = MakeTableLabel(this, "r2", 16, 80);
    r3 = MakeTableLabel(this, "r3", 16, 120);
    r1c1 = MakeTableLabel(this, "r1c1", 128, 40);
    r1c2 = MakeTableLabel(this, "r1c2", 240, 40);
    r1c3 = MakeTableLabel(this, "r1c3", 352, 40);
    r2c1 = MakeTableLabel(this, "r2c1", 128, 80);
    r2c2 = MakeTableLabel(this, "r2c2", 240, 80);
    r2c3 = MakeTableLabel(this, "r2c3", 352, 80);
    r3c1 = MakeTableLabel(this, "r3c1", 128, 120);
    r3c2 = MakeTableLabel(this, "r3c2", 240, 120);
    r3c3 = MakeTableLabel(this, "r3c3", 352, 120);
    cells_ = {{{r1c1, r1c2, r1c3}, {r2c1, r2c2, r2c3}, {r3c1, r3c2, r3c3}}};

    btnClose =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(366, 164, 100, 31);
    btnClose->setFocus();
    connect(btnClose, &QPushButton::clicked, this, &TDateDiffForm::btnCloseClick);

    FormCreate(markedDate1, markedDate2, markedDate3, activeColors);
    InstallKeyPreview();
    CentreOver(owner);
}

QLabel* TDateDiffForm::Cell(int row, int column) const {
    return cells_.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void TDateDiffForm::FormCreate(DateSerial markedDate1, DateSerial markedDate2,
                               DateSerial markedDate3, const ColorSet& activeColors) {
    const DateDifferenceTable table = ComputeDateDifferences(markedDate1, markedDate2, markedDate3);

    setAutoFillBackground(true);
    Paint(*this, activeColors[table.backgroundSlot]);

    const auto show = [&activeColors](QLabel& label, const DateDiffLabel& content) {
        Paint(label, activeColors[content.colorSlot]);
        label.setText(QString::fromStdString(content.text));
    };
    const std::array<QLabel*, 3> columnHeaders{c1, c2, c3};
    const std::array<QLabel*, 3> rowHeaders{r1, r2, r3};
    for (std::size_t i = 0; i < 3; ++i) {
        show(*columnHeaders[i], table.columnHeaders[i]);
        show(*rowHeaders[i], table.rowHeaders[i]);
        for (std::size_t j = 0; j < 3; ++j) {
            show(*cells_[i][j], table.cells[i][j]);
            // A bare number means nothing read out of its grid: name the two
            // dates it lies between.
            cells_[i][j]->setAccessibleName(
                tr("%1 minus %2: %3 days")
                    .arg(QString::fromStdString(table.rowHeaders[i].text),
                         QString::fromStdString(table.columnHeaders[j].text),
                         QString::fromStdString(table.cells[i][j].text)));
        }
    }
}

void TDateDiffForm::btnCloseClick() {
    done(kResultClose);
}

}  // namespace tessarine
