// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/print_sel_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "platform/qt/font_setup.h"
#include "platform/qt/qt_color.h"

namespace tessarine {

namespace {

constexpr int kModalPrint = 1;
constexpr int kModalCancel = 2;

QIcon ButtonIcon(const QWidget& widget, const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(themeName), widget.style()->standardIcon(fallback));
}

}  // namespace

TprintSelDialog::TprintSelDialog(QWidget* owner, PrintJobState& job, StartMyHelpFn startMyHelp)
    : FormDialog(owner,
                 Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint,
                 kModalCancel, std::move(startMyHelp)),
      job_(job) {
    setObjectName(QStringLiteral("printSelDialog"));
    setWindowTitle(tr("Print Calendar Pages"));
    // Pixels, like the other dialogs: the client is a fixed pixel size, and
    // a point size grows with the desktop's font resolution past it.
    setFont(ScreenFont(11));
    setFixedSize(307, 179);

    Label1 = new QLabel(tr("1) Select Page Format  -"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(16, 16);
    Label1->adjustSize();

    cbPageFormat = new QComboBox(this);
    cbPageFormat->setObjectName(QStringLiteral("cbPageFormat"));
    for (const PageFormat& format : PageFormats()) {
        cbPageFormat->addItem(QCoreApplication::translate("PageFormats", format.listText));
    }
    cbPageFormat->setMaxVisibleItems(kPageFormatCount);
    cbPageFormat->setGeometry(32, 40, 257, cbPageFormat->sizeHint().height());
    cbPageFormat->setCurrentIndex(0);
    // A screen reader would name the list by its current item otherwise.
    // Qt on Linux keeps the item as the name and announces the label it is
    // the buddy of; elsewhere the accessible name counts.
    cbPageFormat->setAccessibleName(tr("Page format"));
    Label1->setBuddy(cbPageFormat);

    Label2 = new QLabel(tr("2) Select number of consecutive pages to print --"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->move(16, 72);
    Label2->adjustSize();

    cbConsecutivePages = new QComboBox(this);
    cbConsecutivePages->setObjectName(QStringLiteral("cbConsecutivePages"));
    for (int pages = 1; pages <= kMaxConsecutivePages; ++pages) {
        cbConsecutivePages->addItem(QString::number(pages));
    }
    cbConsecutivePages->setMaxVisibleItems(kMaxConsecutivePages);
    cbConsecutivePages->setGeometry(32, 96, 257, cbConsecutivePages->sizeHint().height());
    cbConsecutivePages->setCurrentIndex(0);
    cbConsecutivePages->setAccessibleName(tr("Consecutive pages"));
    Label2->setBuddy(cbConsecutivePages);

    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(80, 136, 100, 31);
    btnCancel->setIcon(ButtonIcon(*btnCancel, "dialog-cancel", QStyle::SP_DialogCancelButton));
    btnCancel->setIconSize(QSize(16, 16));
    btnCancel->setAutoDefault(false);
    QPalette cancelPalette = btnCancel->palette();
    UseReadableButtonTint(cancelPalette, kRed);
    btnCancel->setPalette(cancelPalette);

    btnOK = new QPushButton(tr("Print"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setGeometry(192, 136, 100, 31);
    btnOK->setIcon(ButtonIcon(*btnOK, "document-print", QStyle::SP_DialogOkButton));
    btnOK->setIconSize(QSize(16, 16));
    QFont bold = btnOK->font();
    bold.setBold(true);
    btnOK->setFont(bold);
    // Enter in the lists prints, as in any print dialog.
    btnOK->setDefault(true);

    connect(btnOK, &QPushButton::clicked, this, &TprintSelDialog::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TprintSelDialog::btnCancelClick);

    InstallKeyPreview();
    // Centred on the screen, not over the main window.
    CentreOnScreen(owner);
}

void TprintSelDialog::btnOKClick() {
    job_.PrintFormatIndex = cbPageFormat->currentIndex();
    job_.PrintPagesLeft = cbConsecutivePages->currentIndex();
    done(kModalPrint);
}

void TprintSelDialog::btnCancelClick() {
    job_.PrintFormatIndex = -1;
    job_.PrintPagesLeft = -1;
    done(kModalCancel);
}

}  // namespace tessarine
