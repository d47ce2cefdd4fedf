// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/splash_form.h"

#include <QLabel>
#include <QToolButton>

#include "dialogs/qt/link_label.h"
#include "dialogs/web_addresses.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/pictures.h"

namespace tessarine {

namespace {

constexpr int kClosed = 2;

// The labels stand on our own picture, not on a system colour, so their
// colours are fixed whatever the desktop's theme.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                  const QFont& font, const QColor& color) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

TsplashForm::TsplashForm(QWidget* owner, Mode mode, Shell& shell)
    : FormDialog(owner,
                 (mode == Mode::StartUp ? Qt::SplashScreen : Qt::Dialog) | Qt::FramelessWindowHint |
                     Qt::WindowStaysOnTopHint,
                 kClosed, {}),
      mode_(mode),
      shell_(shell) {
    setObjectName(QStringLiteral("splashForm"));
    setWindowTitle(tr("About Tessarine"));
    setFixedSize(kWidth, kHeight);
    if (mode_ == Mode::StartUp) {
        // The main window behind it keeps the keys and is usable at once.
        setAttribute(Qt::WA_ShowWithoutActivating);
        setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    }

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(0, 0, kWidth, kHeight);
    Image1->setAccessibleName(QStringLiteral("Tessarine"));

    btnClose = new QToolButton(this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setText(QStringLiteral("X"));
    btnClose->setFont(ScreenFont(12, true));
    btnClose->setFocusPolicy(Qt::NoFocus);
    btnClose->setAutoRaise(true);
    btnClose->setGeometry(258, 6, 16, 16);
    btnClose->setAccessibleName(tr("Close"));
    QPalette closePalette = btnClose->palette();
    closePalette.setColor(QPalette::ButtonText, Qt::white);
    btnClose->setPalette(closePalette);
    btnClose->setVisible(mode_ == Mode::About);
    connect(btnClose, &QToolButton::clicked, this, &TsplashForm::btnCloseClick);

    lblSubtitle = MakeLabel(this, "lblSubtitle", tr("Freeware Edition"), QRect(8, 72, 265, 22),
                            ScreenFont(13, true), QColor(0, 0, 255));
    lblSubtitle->setWordWrap(true);
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Tessarine v4.00"), QRect(8, 32, 265, 33),
                       ScreenFont(13, true), Qt::black);
    // Clicks on the texts reach the picture, which closes the window.
    lblSubtitle->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label3 = MakeLinkLabel(this, "Label3", QString::fromUtf8(HomePageUrl()), ScreenFont(11),
                           QRect(66, 112, 149, 13));
    Label3->setAttribute(Qt::WA_TranslucentBackground);
    if (mode_ == Mode::About) Label3->setCursor(Qt::PointingHandCursor);

    InstallKeyPreview();
    Image1->installEventFilter(this);
    Label3->installEventFilter(this);
}

void TsplashForm::showEvent(QShowEvent* event) {
    // Drawn for the screen it shows on, so it stays crisp at any scale.
    Image1->setPixmap(PicturePixmap(kSplashPicture, size(), devicePixelRatioF()));
    FormDialog::showEvent(event);
}

void TsplashForm::Image1Click() {
    close();
}

void TsplashForm::btnCloseClick() {
    close();
}

void TsplashForm::Label3Click() {
    if (mode_ != Mode::About) return;
    try {
        shell_.Open(HomePageUrl(), "", kShowNormal, "");
    } catch (...) {
        // Whether a browser opened is not reported.
    }
}

bool TsplashForm::eventFilter(QObject* watched, QEvent* event) {
    if (IsLeftClick(*event)) {
        if (watched == Image1) {
            Image1Click();
            return true;
        }
        if (watched == Label3) {
            Label3Click();
            return true;
        }
    }
    return FormDialog::eventFilter(watched, event);
}

}  // namespace tessarine
