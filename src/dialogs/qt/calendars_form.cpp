// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt/calendars_form.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <utility>

#include "platform/qt/font_setup.h"

namespace tessarine {

namespace {

QString ChooseCalendarFile(QWidget* owner) {
    return QFileDialog::getOpenFileName(
        owner, TCalendarsForm::tr("Add a calendar file"),
        QStandardPaths::writableLocation(QStandardPaths::HomeLocation),
        TCalendarsForm::tr("iCalendar files (*.ics)"));
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TCalendarsForm::TCalendarsForm(QWidget* owner, CalendarSources& sources,
                               std::function<void()> changed, StartMyHelpFn startMyHelp,
                               FileChooser chooseFile)
    : FormDialog(
          owner,
          Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint,
          kResultEscape, std::move(startMyHelp)),
      sources_(sources),
      changed_(std::move(changed)),
      chooseFile_(chooseFile ? std::move(chooseFile) : ChooseCalendarFile) {
    setObjectName(QStringLiteral("calendarsForm"));
    setWindowTitle(tr("Calendars"));
    setFont(ScreenFont(11));

    auto* listLabel = new QLabel(tr("&Calendars shown on the grid:"), this);
    listLabel->setObjectName(QStringLiteral("lblCalendars"));
    lstCalendars = new QListWidget(this);
    lstCalendars->setObjectName(QStringLiteral("lstCalendars"));
    lstCalendars->setAccessibleName(tr("Calendars"));
    lstCalendars->setAccessibleDescription(tr("Uncheck a calendar to hide it without removing it"));
    listLabel->setBuddy(lstCalendars);

    btnAddFile = MakeButton(this, "btnAddFile", tr("Add &File..."));
    btnRemove = MakeButton(this, "btnRemove", tr("&Remove"));

    auto* addressLabel = new QLabel(tr("A&ddress:"), this);
    addressLabel->setObjectName(QStringLiteral("lblAddress"));
    edAddress = new QLineEdit(this);
    edAddress->setObjectName(QStringLiteral("edAddress"));
    edAddress->setPlaceholderText(QStringLiteral("https://"));
    edAddress->setAccessibleName(tr("Address of a published calendar"));
    addressLabel->setBuddy(edAddress);
    btnAddAddress = MakeButton(this, "btnAddAddress", tr("Add &Address"));

    // Quiet: plain text in the dialog, never a message box of its own.
    lblNotice = new QLabel(this);
    lblNotice->setObjectName(QStringLiteral("lblNotice"));
    lblNotice->setWordWrap(true);
    lblNotice->setTextFormat(Qt::PlainText);
    lblNotice->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblNotice->hide();

    btnClose =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));

    // A layout rather than fixed places: longer translations and larger
    // fonts widen the dialog instead of cutting captions.
    auto* grid = new QGridLayout(this);
    grid->addWidget(listLabel, 0, 0, 1, 3);
    grid->addWidget(lstCalendars, 1, 0, 3, 2);
    grid->addWidget(btnAddFile, 1, 2);
    grid->addWidget(btnRemove, 2, 2, Qt::AlignTop);
    grid->addWidget(addressLabel, 4, 0);
    grid->addWidget(edAddress, 4, 1);
    grid->addWidget(btnAddAddress, 4, 2);
    grid->addWidget(lblNotice, 5, 0, 1, 3);
    grid->addWidget(btnClose, 6, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    setMinimumSize(520, 300);

    connect(btnAddFile, &QPushButton::clicked, this, &TCalendarsForm::btnAddFileClick);
    connect(btnAddAddress, &QPushButton::clicked, this, &TCalendarsForm::btnAddAddressClick);
    connect(btnRemove, &QPushButton::clicked, this, &TCalendarsForm::btnRemoveClick);
    connect(btnClose, &QPushButton::clicked, this, [this] { done(kResultClose); });
    connect(edAddress, &QLineEdit::textChanged, this, &TCalendarsForm::UpdateButtons);
    connect(edAddress, &QLineEdit::returnPressed, this, [this] {
        if (btnAddAddress->isEnabled()) btnAddAddressClick();
    });
    connect(lstCalendars, &QListWidget::itemChanged, this, &TCalendarsForm::ItemChanged);
    connect(lstCalendars, &QListWidget::currentRowChanged, this, &TCalendarsForm::UpdateButtons);

    FillList();
    lstCalendars->setFocus();
    InstallKeyPreview();
    CentreOver(owner);
}

void TCalendarsForm::setProblems(const QStringList& problems, const QStringList& keptCopies) {
    QStringList lines;
    if (!problems.isEmpty()) lines << tr("Not shown:") << problems;
    // These are shown, so they stand apart from the heading above.
    lines << keptCopies;
    lblNotice->setText(lines.join(QLatin1Char('\n')));
    lblNotice->setVisible(!lines.isEmpty());
}

void TCalendarsForm::FillList() {
    filling_ = true;
    const int row = lstCalendars->currentRow();
    lstCalendars->clear();
    for (const CalendarSource& source : sources_.Entries()) {
        auto* item = new QListWidgetItem(QString::fromStdString(source.location), lstCalendars);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(source.shown ? Qt::Checked : Qt::Unchecked);
        item->setToolTip(item->text());
    }
    lstCalendars->setCurrentRow(std::min(row, lstCalendars->count() - 1));
    filling_ = false;
    UpdateButtons();
}

void TCalendarsForm::UpdateButtons() {
    btnRemove->setEnabled(lstCalendars->currentRow() >= 0);
    btnAddAddress->setEnabled(IsCalendarAddress(edAddress->text().trimmed().toStdString()));
}

void TCalendarsForm::Changed() {
    FillList();
    if (changed_) changed_();
}

void TCalendarsForm::ItemChanged(QListWidgetItem* item) {
    if (filling_) return;
    sources_.SetShown(static_cast<std::size_t>(lstCalendars->row(item)),
                      item->checkState() == Qt::Checked);
    if (changed_) changed_();
}

void TCalendarsForm::btnAddFileClick() {
    const QString path = chooseFile_(this);
    if (path.isEmpty()) return;
    if (sources_.Add(path.toStdString())) {
        Changed();
        lstCalendars->setCurrentRow(lstCalendars->count() - 1);
    }
}

void TCalendarsForm::btnAddAddressClick() {
    const std::string address = edAddress->text().trimmed().toStdString();
    if (!IsCalendarAddress(address)) return;
    if (sources_.Add(address)) {
        Changed();
        lstCalendars->setCurrentRow(lstCalendars->count() - 1);
    }
    edAddress->clear();
}

void TCalendarsForm::btnRemoveClick() {
    const int row = lstCalendars->currentRow();
    if (row < 0) return;
    sources_.Remove(static_cast<std::size_t>(row));
    Changed();
}

}  // namespace tessarine
