// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up splash, the About window and the donation dialog as the main
// window opens them, and the reminder as it closes.

#include <QCloseEvent>
#include <QTimer>

#include "app/qt/main_form.h"
#include "dialogs/qt/donate_form.h"
#include "dialogs/qt/splash_form.h"
#include "platform/qt/dialog_runner.h"

namespace tessarine {

namespace {

constexpr int kSplashMilliseconds = 1500;

}  // namespace

void TjulCalMainForm::ShowSplash() {
    // The splash is built once the window's first frame is on the screen;
    // its time runs from now.
    splashDue_ = true;
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kSplashMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TjulCalMainForm::Timer1Timer);
    Timer1->start();
}

void TjulCalMainForm::Timer1Timer() {
    Timer1->stop();
    splashDue_ = false;
    if (splash_ != nullptr) {
        splash_->close();
        splash_->deleteLater();
        splash_ = nullptr;
    }
}

void TjulCalMainForm::FirstFramePainted() {
    // The calendars arrive after the first frame, never before it.
    QTimer::singleShot(0, this, &TjulCalMainForm::StartCalendars);
    QTimer::singleShot(0, this, [this] {
        // A start so slow that the splash's time ran out first shows none.
        if (!splashDue_ || splash_ != nullptr) return;
        splash_ = new TsplashForm(this, TsplashForm::Mode::StartUp, *shell_);
        splash_->CentreOnScreen(nullptr);
        splash_->show();
    });
}

TsplashForm* TjulCalMainForm::Splash() const {
    return splash_;
}

void TjulCalMainForm::About1Click() {
    RunCommand([this] {
        TsplashForm about(this, TsplashForm::Mode::About, *shell_);
        about.CentreOver(this);
        RunDialog(dialogRunner_, about);
    });
}

DonationServices TjulCalMainForm::Donation() {
    return DonationServices{shell_, {}, dialogRunner_};
}

void TjulCalMainForm::btnOrderClick() {
    RunCommand([this] { ShowDonationDialog(this, *donation_, Donation()); });
}

void TjulCalMainForm::MakeaDonation1Click() {
    btnOrderClick();
}

void TjulCalMainForm::closeEvent(QCloseEvent* event) {
    // A second close request while the reminder is up (the window manager's
    // close box) waits for the first.
    if (closing_) {
        event->ignore();
        return;
    }
    closing_ = true;
    FormClose();
    closing_ = false;
    event->accept();
}

void TjulCalMainForm::FormClose() {
    RunCommand([this] { RemindIfDue(this, *donation_, Donation()); });
}

}  // namespace tessarine
