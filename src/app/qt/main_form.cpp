// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/main_form.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <algorithm>
#include <array>
#include <exception>
#include <initializer_list>

#include "app/color_sets.h"
#include "app/qt/calendar_module.h"
#include "app/qt/date_commands.h"
#include "app/qt/help_page.h"
#include "calendar/qt/julian_calendar_widget.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_color.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/speed_button.h"
#include "platform/qt/system_locale_names.h"
#include "platform/qt/termination_signals.h"
#include "platform/reg_hive_store.h"

namespace tessarine {

namespace {

constexpr Color kInitialWindowColor = kPaleYellow;
constexpr Color kDisabledTextColor = 0x808080;
constexpr int kGridLeft = 8;
constexpr int kGridTop = 38;
constexpr int kBottomMargin = 8;
constexpr int kNavigationButtonHeight = 31;
constexpr int kOrderButtonWidth = 86;
constexpr int kHiddenOrderButtonWidth = 2;
constexpr int kGlyphSize = 16;

// The buttons' glyphs are our own pictures: the same on every desktop, and
// no icon-theme look-up at start-up.
QIcon GlyphIcon(const char* picture, PicturePrefetch* prefetch) {
    return PictureIcon(picture, QSize(kGlyphSize, kGlyphSize), prefetch);
}

constexpr const char* kButtonGlyphs[] = {kPrintGlyph,     kHelpGlyph,  kLastYearGlyph,
                                         kLastMonthGlyph, kTodayGlyph, kNextMonthGlyph,
                                         kNextYearGlyph};

SpeedButton* MakeSpeedButton(QWidget* parent, const char* name, const QString& caption,
                             const QRect& geometry) {
    auto* button = new SpeedButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setIconSize(QSize(kGlyphSize, kGlyphSize));
    button->setGeometry(geometry);
    return button;
}

// A longer caption in another language widens its button, once its glyph is
// set; the English ones fit the widths given.
void FitCaption(SpeedButton* button) {
    button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
}

}  // namespace

// The client area below the menu bar: the window colour, the title band and
// the controls at their pixel positions.
class MainFormClient : public QWidget {
  public:
    explicit MainFormClient(TjulCalMainForm& form) : QWidget(&form), form_(form) {
        setObjectName(QStringLiteral("ClientArea"));
        setAutoFillBackground(true);
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        {
            QPainter painter(this);
            form_.FormPaint(painter);
        }
        if (!painted_) {
            painted_ = true;
            form_.FirstFramePainted();
        }
    }
    void resizeEvent(QResizeEvent* /*event*/) override { form_.FormResize(); }

  private:
    TjulCalMainForm& form_;
    bool painted_ = false;
};

void ShowErrorMessageBox(QWidget* owner, const std::string& message) {
    // Once the program is asked to end, a box would only hold it up.
    if (TerminationRequested()) return;
    // Messages with fixed wording come from everywhere, the core included,
    // in English: those marked for the "Errors" context are translated here.
    QMessageBox::critical(owner, TjulCalMainForm::tr(kApplicationTitle),
                          QCoreApplication::translate("Errors", message.c_str()));
}

TjulCalMainForm::TjulCalMainForm(Shell* shell, QWidget* parent)
    : TjulCalMainForm(MainFormServices{shell, nullptr, {}}, parent) {}

TjulCalMainForm::TjulCalMainForm(MainFormServices services, QWidget* parent) : QMainWindow(parent) {
    if (services.shell == nullptr) {
        ownShell_ = std::make_unique<QtShell>();
        services.shell = ownShell_.get();
    }
    shell_ = services.shell;
    if (services.registry == nullptr) {
        ownRegistry_ = OpenHiveStore();
        services.registry = ownRegistry_.get();
    }
    registry_ = services.registry;
    if (services.storeNotices != nullptr) storeNotices_ = services.storeNotices;
    showError_ = services.showError ? std::move(services.showError) : ShowErrorMessageBox;
    pictures_ = services.pictures;
    makeCalendars_ =
        services.makeCalendars ? std::move(services.makeCalendars) : ModuleCalendarServices();
    alertSound_ = services.alertSound;
    dialogRunner_ = services.dialogRunner;
    printDevice_ = std::move(services.printDevice);
    if (services.donation == nullptr) {
        ownDonation_ =
            std::make_unique<DonationReminder>(DonationReminder::NothingStored(TodayDate()));
        services.donation = ownDonation_.get();
    }
    donation_ = services.donation;
    localeNames_ = SystemLocaleNames();
    FormCreate();
}

std::vector<PictureKey> TjulCalMainForm::FirstPictures() {
    std::vector<PictureKey> keys;
    for (const char* glyph : kButtonGlyphs) {
        for (const PictureKey& key : PictureIconKeys(glyph, QSize(kGlyphSize, kGlyphSize))) {
            keys.push_back(key);
        }
    }
    return keys;
}

// Out of line: the date commands are an incomplete type in the header.
TjulCalMainForm::~TjulCalMainForm() {
    FormDestroy();
}

QWidget* TjulCalMainForm::ClientArea() const {
    return client_;
}

void TjulCalMainForm::FormCreate() {
    setWindowTitle(tr(kApplicationTitle));
    ShowSplash();
    client_ = new MainFormClient(*this);
    // Menus keep the desktop's menu font; everything in the client area
    // inherits the window font, the grid included.
    client_->setFont(ScreenFont(14, false));
    setCentralWidget(client_);

    CreateMainMenu();
    CreatePopupMenu();
    CreateTopBar();
    CreateNavigationBar();
    // Decided once: an answer given in this run shows from the next start.
    SetOrderButtonShown(donation_->DonateButtonShown());

    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, ToQColor(kInitialWindowColor));
    // The desktop's disabled-text grey is about the silver of the "Silver and
    // Teal" set and would hide the captions of disabled buttons; this darker
    // grey reads on all three backgrounds.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(QPalette::Disabled, role, ToQColor(kDisabledTextColor));
    }
    client_->setPalette(palette);

    colorSets_ = MakeColorSets();
    CreateCalendar();

    CreateDateCommands();  // the three marks start on today

    UpdateDateCaption();

    setMinimumSize(kMinOuterSize);
    setMaximumSize(kMaxOuterSize);
    resize(kInitialOuterSize);
    CentreOnScreen();

    // Last, so that a message about the stored value stands over the window
    // at its final place.
    RestoreSettings();
}

void TjulCalMainForm::FormDestroy() {
    delete calendar1_;
    calendar1_ = nullptr;
}

void TjulCalMainForm::CreateTopBar() {
    btnPrint = MakeSpeedButton(client_, "btnPrint", tr("Print"), QRect(1, 2, 80, 31));
    btnPrint->setGlyph(GlyphIcon(kPrintGlyph, pictures_), SpeedButton::GlyphSide::Left);
    FitCaption(btnPrint);
    connect(btnPrint, &SpeedButton::clicked, this, &TjulCalMainForm::btnPrintClick);

    lblDateCaption = new QLabel(tr("Date"), client_);
    lblDateCaption->setObjectName(QStringLiteral("lblDateCaption"));
    lblDateCaption->setFont(ScreenFont(16, true));
    lblDateCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblDateCaption->setAutoFillBackground(false);
    lblDateCaption->setAttribute(Qt::WA_TranslucentBackground);
    lblDateCaption->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblDateCaption->setGeometry(96, 8, 225, 23);

    btnOrder =
        MakeSpeedButton(client_, "btnOrder", tr("Donate"), QRect(272, 2, kOrderButtonWidth, 31));
    connect(btnOrder, &SpeedButton::clicked, this, &TjulCalMainForm::btnOrderClick);

    btnHelp = MakeSpeedButton(client_, "btnHelp", tr("Help"), QRect(384, 2, 74, 31));
    // The icon supplies its own disabled picture.
    btnHelp->setGlyph(GlyphIcon(kHelpGlyph, pictures_), SpeedButton::GlyphSide::Left);
    FitCaption(btnHelp);
    connect(btnHelp, &SpeedButton::clicked, this, &TjulCalMainForm::btnHelpClick);

    btnExit = MakeSpeedButton(client_, "btnExit", tr("Exit"), QRect(456, 2, 74, 31));
    FitCaption(btnExit);
    connect(btnExit, &SpeedButton::clicked, this, &TjulCalMainForm::btnExitClick);
}

void TjulCalMainForm::CreateNavigationBar() {
    struct NavigationButton {
        SpeedButton** field;
        const char* name;
        const char* caption;
        int left;
        const char* glyph;
        SpeedButton::GlyphSide side;
        void (TjulCalMainForm::*handler)();
    };
    const std::array buttons{
        NavigationButton{&btnLastYear, "btnLastYear", QT_TR_NOOP("Last Year"), 0, kLastYearGlyph,
                         SpeedButton::GlyphSide::Left, &TjulCalMainForm::btnLastYearClick},
        NavigationButton{&btnLastMonth, "btnLastMonth", QT_TR_NOOP("Last Month"), 98,
                         kLastMonthGlyph, SpeedButton::GlyphSide::Left,
                         &TjulCalMainForm::btnLastMonthClick},
        NavigationButton{&btnToday, "btnToday", QT_TR_NOOP("Today"), 197, kTodayGlyph,
                         SpeedButton::GlyphSide::Left, &TjulCalMainForm::btnTodayClick},
        NavigationButton{&btnNextMonth, "btnNextMonth", QT_TR_NOOP("Next Month"), 295,
                         kNextMonthGlyph, SpeedButton::GlyphSide::Right,
                         &TjulCalMainForm::btnNextMonthClick},
        NavigationButton{&btnNextYear, "btnNextYear", QT_TR_NOOP("Next Year"), 394, kNextYearGlyph,
                         SpeedButton::GlyphSide::Right, &TjulCalMainForm::btnNextYearClick},
    };
    for (const NavigationButton& design : buttons) {
        SpeedButton* button =
            MakeSpeedButton(client_, design.name, tr(design.caption),
                            QRect(design.left, 256, 100, kNavigationButtonHeight));
        button->setGlyph(GlyphIcon(design.glyph, pictures_), design.side);
        connect(button, &SpeedButton::clicked, this, design.handler);
        *design.field = button;
    }
}

void TjulCalMainForm::CreateCalendar() {
    calendar1_ = new JulianCalendarWidget(client_);
    calendar1_->setObjectName(QStringLiteral("Calendar1"));
    calendar1_->setLocaleNames(localeNames_);
    TJulianCalendar& grid = calendar1_->calendar();
    grid.SetGridLineWidth(0);
    grid.OnChange = [this](TJulianCalendar& /*sender*/) { Calendar1Change(); };
    calendar1_->setPopupMenu(PopupMenu1);
    calendar1_->installEventFilter(this);
    calendar1_->setGeometry(kGridLeft, kGridTop, 100, 100);
    FormResize();
}

void TjulCalMainForm::SetOrderButtonShown(bool shown) {
    btnOrder->setVisible(shown);
    const int width = std::max(kOrderButtonWidth, btnOrder->sizeHint().width());
    btnOrder->resize(shown ? width : kHiddenOrderButtonWidth, btnOrder->height());
    FormResize();
}

void TjulCalMainForm::FormResize() {
    if (btnNextYear == nullptr) {
        return;  // a size change before the controls exist
    }
    const int clientWidth = client_->width();
    const int clientHeight = client_->height();

    btnExit->move(clientWidth - btnExit->width(), btnExit->y());
    btnHelp->move(btnExit->x() - btnHelp->width(), btnHelp->y());
    btnOrder->move(btnHelp->x() - btnOrder->width(), btnOrder->y());
    lblDateCaption->resize(std::max(0, btnOrder->x() - btnPrint->width() - 2),
                           lblDateCaption->height());

    const int bottom = clientHeight - btnLastYear->height() - kBottomMargin;
    if (calendar1_ != nullptr) {
        calendar1_->setGeometry(kGridLeft, kGridTop, std::max(0, clientWidth - 2 * kGridLeft),
                                std::max(0, bottom - kGridTop));
    }

    const int fifth = clientWidth / 5;
    const std::array row{btnLastYear, btnLastMonth, btnToday, btnNextMonth, btnNextYear};
    for (std::size_t i = 0; i < row.size(); ++i) {
        row[i]->setGeometry(static_cast<int>(i) * fifth, bottom, fifth, row[i]->height());
    }
}

void TjulCalMainForm::FormPaint(QPainter& painter) {
    const int width = client_->width();
    const int bandBottom = lblDateCaption->y() + lblDateCaption->height();
    painter.fillRect(QRect(0, 2, width, bandBottom - 2),
                     ToQColor(activeColors_[ColorSet::TitleBandColor]));
    painter.fillRect(QRect(0, 0, width, 1), Qt::black);
    painter.fillRect(QRect(0, bandBottom + 1, width, 1), Qt::white);
    painter.fillRect(QRect(0, bandBottom + 2, width, 1), Qt::black);
}

void TjulCalMainForm::ApplyColorSet(int Index) {
    const std::size_t index = (Index >= 0 && static_cast<std::size_t>(Index) < kColorSetCount)
                                  ? static_cast<std::size_t>(Index)
                                  : kStandardColorsIndex;
    UseStandardColorSet1->setChecked(index == kStandardColorsIndex);
    UseDefaultColorset1->setChecked(index == kGreenAndYellowIndex);
    UseBusinessColorset1->setChecked(index == kSilverAndTealIndex);

    activeColors_ = colorSets_[index];
    if (calendar1_ != nullptr) {
        calendar1_->calendar().SetColors(activeColors_);
        calendar1_->update();
    }
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, ToQColor(activeColors_[ColorSet::BackgroundColor]));
    UseReadableText(palette, activeColors_[ColorSet::BackgroundColor]);
    client_->setPalette(palette);
    // The caption and the top buttons lie on the title band.
    for (QWidget* onBand :
         std::initializer_list<QWidget*>{lblDateCaption, btnPrint, btnOrder, btnHelp, btnExit}) {
        QPalette bandPalette = onBand->palette();
        UseReadableText(bandPalette, activeColors_[ColorSet::TitleBandColor]);
        onBand->setPalette(bandPalette);
    }
    // At once, title band included, so the new set never shows half-drawn.
    if (client_->isVisible()) {
        client_->repaint();
    } else {
        client_->update();
    }
}

bool TjulCalMainForm::FormKeyDown(QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_F1:
            StartMyHelp(kHelpTopic);
            return true;
        default:
            return false;
    }
}

bool TjulCalMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == calendar1_ && event->type() == QEvent::KeyPress) {
        bool consumed = false;
        RunCommand([&] { consumed = FormKeyDown(*static_cast<QKeyEvent*>(event)); });
        if (consumed) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TjulCalMainForm::keyPressEvent(QKeyEvent* event) {
    // Keys that reach the window itself: nothing had the focus, or the grid
    // passed them on (then they were seen already and are none of ours).
    bool consumed = false;
    RunCommand([&] { consumed = FormKeyDown(*event); });
    if (!consumed) {
        QMainWindow::keyPressEvent(event);
    }
}

bool TjulCalMainForm::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    switch (event->type()) {
        case QEvent::WindowActivate:
            // The grid is the one control that takes the focus: give it the
            // keys from the start.
            if (calendar1_ != nullptr && focusWidget() == nullptr) {
                calendar1_->setFocus(Qt::ActiveWindowFocusReason);
            }
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
            FollowFrameExtent();
            break;
        default:
            break;
    }
    return handled;
}

QSize TjulCalMainForm::FrameExtent() const {
    return frameGeometry().size() - geometry().size();
}

void TjulCalMainForm::FollowFrameExtent() {
    const QSize frame = FrameExtent();
    if (frame == knownFrame_ || frame.width() < 0 || frame.height() < 0) {
        return;
    }
    knownFrame_ = frame;
    setMinimumSize(kMinOuterSize - frame);
    setMaximumSize(kMaxOuterSize - frame);
    if (!frameSeen_ && !frame.isNull()) {
        frameSeen_ = true;
        resize(kInitialOuterSize - frame);
        CentreOnScreen();
    }
}

void TjulCalMainForm::CentreOnScreen() {
    const QScreen* where = screen();
    if (where == nullptr) {
        return;
    }
    const QRect available = where->availableGeometry();
    const QSize outer = size() + FrameExtent();
    move(available.x() + (available.width() - outer.width()) / 2,
         available.y() + (available.height() - outer.height()) / 2);
}

void TjulCalMainForm::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& failure) {
        ShowError(failure.what());
    } catch (...) {
        ShowError(tr("The command failed for an unknown reason.").toStdString());
    }
}

void TjulCalMainForm::ShowError(const std::string& message) {
    showError_(this, message);
}

void TjulCalMainForm::UpdateDateCaption() {
    if (calendar1_ == nullptr) {
        return;
    }
    const std::string caption =
        FormatDateSerial("mmmm yyyy", calendar1_->calendar().SelectedDate(), localeNames_);
    // The month is the grid's name for screen readers too.
    calendar1_->setAccessibleName(QString::fromStdString(caption));
    lblDateCaption->setText(QString::fromStdString(caption));
}

void TjulCalMainForm::StartMyHelp(const std::string& /*topic*/) {
    // Started from a desktop menu the working directory is the home folder,
    // so an installed page is looked for beyond it.
    const QStringList folders = HelpPageFolders(QApplication::applicationDirPath());
    const QString page = HelpPageInLanguage(tr(kHelpFile), QString::fromLatin1(kHelpFile), folders);
    ShellOpen(page.toStdString(), "", kShowNormal, HelpPageFolder(page, folders).toStdString());
}

void TjulCalMainForm::ShellOpen(const std::string& file, const std::string& parameters,
                                int showCommand, const std::string& directory) {
    shell_->Open(file, parameters, showCommand, directory);
}

void TjulCalMainForm::Calendar1Change() {
    UpdateDateCaption();
    ShowEventLines();
}

void TjulCalMainForm::btnLastYearClick() {
    RunCommand([this] { calendar1_->calendar().PreviousYear(); });
}

void TjulCalMainForm::btnLastMonthClick() {
    RunCommand([this] { calendar1_->calendar().PreviousMonth(); });
}

void TjulCalMainForm::btnTodayClick() {
    RunCommand([this] { calendar1_->calendar().SetSelectedDate(TodayDate()); });
}

void TjulCalMainForm::btnNextMonthClick() {
    RunCommand([this] { calendar1_->calendar().NextMonth(); });
}

void TjulCalMainForm::btnNextYearClick() {
    RunCommand([this] { calendar1_->calendar().NextYear(); });
}

void TjulCalMainForm::btnHelpClick() {
    RunCommand([this] { StartMyHelp(kHelpTopic); });
}

void TjulCalMainForm::Instructions1Click() {
    btnHelpClick();
}

void TjulCalMainForm::btnExitClick() {
    close();
}

void TjulCalMainForm::Exit1Click() {
    close();
}

}  // namespace tessarine
