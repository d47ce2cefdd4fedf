// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/donate_form.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/qt/link_label.h"
#include "dialogs/web_addresses.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/pictures.h"

namespace tessarine {

namespace {

const QColor kMoneyGreen(0xC0, 0xDC, 0xC0);
const QColor kCream(0xFF, 0xFB, 0xF0);

DateSerial TodayOf(const DonationServices& services) {
    return services.today ? services.today() : TodayDate();
}

// The dialog's colours are fixed, so its texts are fixed dark ones that read
// on them whatever the desktop's theme.
void PaintFixed(QWidget& widget, const QColor& background) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QLabel* MakePanelLabel(QWidget* panel, const char* name, const QString& text,
                       const QRect& geometry) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

TDonateForm::TDonateForm(QWidget* owner, DonationReminder& reminder,
                         const DonationServices& services)
    : FormDialog(owner,
                 Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint,
                 kResultClosed, {}),
      reminder_(reminder),
      services_(services) {
    setObjectName(QStringLiteral("DonateForm"));
    setWindowTitle(tr("Make a Donation"));
    setFont(ScreenFont(11));
    setFixedSize(366, 473);
    PaintFixed(*this, kMoneyGreen);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 350, 135);
    Image1->setAccessibleName(tr("Make a Donation"));

    rgDonate = new QGroupBox(this);
    rgDonate->setObjectName(QStringLiteral("rgDonate"));
    rgDonate->setGeometry(8, 152, 350, 145);
    rgDonate->setAccessibleName(tr("Your answer"));
    PaintFixed(*rgDonate, kCream);
    auto* column = new QVBoxLayout(rgDonate);
    column->setContentsMargins(8, 4, 8, 4);
    answers_ = new QButtonGroup(this);
    for (int answer = 0; answer < kDonationAnswerCount; ++answer) {
        auto* item = new QRadioButton(
            QCoreApplication::translate("DonationAnswers", kDonationAnswerTexts[answer]), rgDonate);
        item->setObjectName(QStringLiteral("rgDonate%1").arg(answer));
        answers_->addButton(item, answer);
        column->addWidget(item);
    }

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(8, 304, 350, 121);
    PaintFixed(*Panel1, kCream);
    Label1 = MakePanelLabel(Panel1, "Label1",
                            tr("Donations help offset the cost of running the "
                               "Tessarine web site, and they are a way to say thank "
                               "you for a job well done."),
                            QRect(8, 8, 337, 41));
    Label2 = MakePanelLabel(Panel1, "Label2",
                            tr("Donating is completely optional, and the amount you "
                               "give is entirely up to you.  Thank you."),
                            QRect(8, 56, 337, 41));
    lblHomePage = MakeLinkLabel(Panel1, "lblHomePage", QString::fromUtf8(HomePageUrl()), font(),
                                QRect(98, 104, 149, 13));
    lblHomePage->setCursor(Qt::PointingHandCursor);

    ntmOK = new QPushButton(PictureIcon(kProceedGlyph, QSize(16, 16)), tr("Proceed"), this);
    ntmOK->setObjectName(QStringLiteral("ntmOK"));
    ntmOK->setGeometry(224, 432, 133, 33);
    ntmOK->setDefault(true);
    connect(ntmOK, &QPushButton::clicked, this, &TDonateForm::ntmOKClick);

    FormCreate();
    InstallKeyPreview();
    lblHomePage->installEventFilter(this);
    CentreOver(owner);
}

void TDonateForm::FormCreate() {
    SelectAnswer(kDonateNow);
}

int TDonateForm::SelectedAnswer() const {
    return std::max(0, answers_->checkedId());
}

void TDonateForm::SelectAnswer(int answer) {
    if (QAbstractButton* item = answers_->button(answer)) item->setChecked(true);
}

void TDonateForm::showEvent(QShowEvent* event) {
    Image1->setPixmap(PicturePixmap(kDonatePicture, Image1->size(), devicePixelRatioF()));
    FormDialog::showEvent(event);
}

void TDonateForm::ntmOKClick() {
    done(kResultProceed);
}

void TDonateForm::lblHomePageClick() {
    OpenPage(HomePageUrl());
}

void TDonateForm::done(int result) {
    if (!closed_) {
        closed_ = true;
        FormClose();
    }
    FormDialog::done(result);
}

bool TDonateForm::FormKeyDown(QKeyEvent& event) {
    // Consumed, so that the dialog's own key handling does not reject it.
    if (event.key() == Qt::Key_Escape) return true;
    return FormDialog::FormKeyDown(event);
}

void TDonateForm::FormClose() {
    if (reminder_.RecordAnswer(SelectedAnswer(), Today())) OpenPage(DonationPageUrl());
}

DateSerial TDonateForm::Today() const {
    return TodayOf(services_);
}

void TDonateForm::OpenPage(const char* address) const {
    if (services_.shell == nullptr) return;
    try {
        services_.shell->Open(address, "", kShowNormal, "");
    } catch (...) {
        // Whether a browser opened is not reported.
    }
}

bool TDonateForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblHomePage && IsLeftClick(*event)) {
        lblHomePageClick();
        return true;
    }
    return FormDialog::eventFilter(watched, event);
}

namespace {

void RunDonateForm(QWidget* owner, DonationReminder& reminder, const DonationServices& services) {
    TDonateForm form(owner, reminder, services);
    RunDialog(services.dialogRunner, form);
}

}  // namespace

void RemindIfDue(QWidget* owner, DonationReminder& reminder, const DonationServices& services) {
    if (reminder.TakeReminderIfDue(TodayOf(services))) RunDonateForm(owner, reminder, services);
}

void ShowDonationDialog(QWidget* owner, DonationReminder& reminder,
                        const DonationServices& services) {
    reminder.BeginOnDemand();
    RunDonateForm(owner, reminder, services);
}

}  // namespace tessarine
