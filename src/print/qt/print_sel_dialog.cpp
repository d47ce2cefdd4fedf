#include "print/qt/print_sel_dialog.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace tessarine {

namespace {

constexpr int kModalPrint = 1;
constexpr int kModalCancel = 2;
constexpr char kHelpTopic[] = "HLP_WEL1";

QIcon ButtonIcon(const QWidget& widget, const char* themeName, QStyle::StandardPixmap fallback) {
    return QIcon::fromTheme(QString::fromLatin1(themeName), widget.style()->standardIcon(fallback));
}

}  // namespace

TprintSelDialog::TprintSelDialog(QWidget* owner, PrintJobState& job, PrintHelpFn startMyHelp)
    : QDialog(owner), job_(job), startMyHelp_(std::move(startMyHelp)) {
    setObjectName(QStringLiteral("printSelDialog"));
    setWindowTitle(QStringLiteral("Print Calendar Pages"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont dialogFont(QStringLiteral("MS Sans Serif"));
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    setFixedSize(307, 179);

    Label1 = new QLabel(QStringLiteral("1) Select Page Format  -"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->move(16, 16);
    Label1->adjustSize();

    cbPageFormat = new QComboBox(this);
    cbPageFormat->setObjectName(QStringLiteral("cbPageFormat"));
    for (const PageFormat& format : PageFormats()) {
        cbPageFormat->addItem(QString::fromLatin1(format.listText));
    }
    cbPageFormat->setMaxVisibleItems(kPageFormatCount);
    cbPageFormat->setGeometry(32, 40, 257, cbPageFormat->sizeHint().height());
    cbPageFormat->setCurrentIndex(0);

    Label2 = new QLabel(QStringLiteral("2) Select number of consecutive pages to print --"), this);
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

    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(80, 136, 100, 31);
    btnCancel->setIcon(ButtonIcon(*btnCancel, "dialog-cancel", QStyle::SP_DialogCancelButton));
    btnCancel->setIconSize(QSize(16, 16));
    btnCancel->setAutoDefault(false);
    QPalette cancelPalette = btnCancel->palette();
    cancelPalette.setColor(QPalette::ButtonText, Qt::red);
    btnCancel->setPalette(cancelPalette);

    btnOK = new QPushButton(QStringLiteral("Print"), this);
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

    // The dialog sees every key before its controls.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        child->installEventFilter(this);
    }

    const QScreen* screen = owner != nullptr && owner->screen() != nullptr
                                ? owner->screen()
                                : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        const QRect available = screen->availableGeometry();
        move(available.center() - QPoint(width() / 2, height() / 2));
    }
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

void TprintSelDialog::reject() {
    done(kModalCancel);
}

bool TprintSelDialog::FormKeyDown(QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape) {
        done(kModalCancel);
        return true;
    }
    if (event.key() == Qt::Key_F1) {
        if (startMyHelp_) {
            // A help page that cannot be opened must not end the dialog.
            try {
                startMyHelp_(kHelpTopic);
            } catch (...) {
            }
        }
        return true;
    }
    return false;
}

bool TprintSelDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto& key = static_cast<QKeyEvent&>(*event);
        if (key.key() == Qt::Key_Escape || key.key() == Qt::Key_F1) {
            if (event->type() == QEvent::ShortcutOverride) {
                // Claim the key so no shortcut takes it first.
                event->accept();
                return true;
            }
            return FormKeyDown(key);
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tessarine
