// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/enter_date_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>
#include <utility>

#include "platform/qt/font_setup.h"
#include "platform/qt/qt_color.h"

namespace tessarine {

TenterDateForm::TenterDateForm(QWidget* owner, std::string& enteredDateText,
                               StartMyHelpFn startMyHelp)
    : FormDialog(owner,
                 Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint,
                 kResultCancel, std::move(startMyHelp)),
      enteredDateText_(enteredDateText) {
    setObjectName(QStringLiteral("enterDateForm"));
    setWindowTitle(tr("Go to a date"));
    setFont(ScreenFont(11));
    setFixedSize(307, 124);

    Label1 = new QLabel(tr("Please enter date as YYYYMMDD"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    // The label grows with its text like an auto-sized one, so a wider
    // substitute font never clips it.
    Label1->setGeometry(16, 16, std::max(162, Label1->sizeHint().width()), 13);

    edNewDate = new QLineEdit(this);
    edNewDate->setObjectName(QStringLiteral("edNewDate"));
    edNewDate->setGeometry(32, 40, 257, 21);
    edNewDate->setMaxLength(8);
    // The label names the field, for screen readers too.
    Label1->setBuddy(edNewDate);

    btnCancel =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(80, 80, 100, 31);
    QPalette cancelPalette = btnCancel->palette();
    UseReadableButtonTint(cancelPalette, kRed);
    btnCancel->setPalette(cancelPalette);

    btnOK = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(192, 80, 100, 31);
    QFont boldFont = font();
    boldFont.setBold(true);
    btnOK->setFont(boldFont);
    btnOK->setDefault(true);

    setTabOrder(edNewDate, btnCancel);
    setTabOrder(btnCancel, btnOK);
    edNewDate->setFocus();

    connect(btnOK, &QPushButton::clicked, this, &TenterDateForm::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TenterDateForm::btnCancelClick);
    InstallKeyPreview();
    CentreOver(owner);
}

void TenterDateForm::btnOKClick() {
    enteredDateText_ = edNewDate->text().toStdString();
    done(kResultOK);
}

void TenterDateForm::btnCancelClick() {
    done(kResultCancel);
}

}  // namespace tessarine
