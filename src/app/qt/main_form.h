// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <QSize>
#include <array>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "app/app_defaults.h"
#include "app/color_sets.h"
#include "app/qt/calendar_service.h"
#include "calendar/color_set.h"
#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "dialogs/calendar_sources.h"
#include "dialogs/donation_reminder.h"
#include "platform/qt/picture_prefetch.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "print/print_device.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QPainter;
class QTimer;

namespace tessarine {

class AlertSound;
class DateCommands;
class TCalendarsForm;
class DialogRunner;
class JulianCalendarWidget;
class MainFormClient;
class SpeedButton;
class TsplashForm;
struct DonationServices;

// In English; windows show TjulCalMainForm::tr(kApplicationTitle).
inline constexpr char kApplicationTitle[] =
    QT_TRANSLATE_NOOP("tessarine::TjulCalMainForm", "Tessarine - Freeware Edition");
//: The help page's file name: tessarine4_<language>.html, the page written
//: in this language.
inline constexpr char kHelpFile[] =
    QT_TRANSLATE_NOOP("tessarine::TjulCalMainForm", "tessarine4.html");
inline constexpr char kHelpTopic[] = "HLP_WEL1";

// Shows a failure to the user with the window as owner. Every failure the
// window reports goes through one of these.
using ErrorDisplay = std::function<void(QWidget* owner, const std::string& message)>;

// What the window uses of the desktop and the machine; tests put recorders
// and temporary stores in their place.
struct MainFormServices {
    Shell* shell = nullptr;        // opens the help page; null: the desktop's
    Registry* registry = nullptr;  // holds the settings; null: the hive files (see RegHiveStore)
    ErrorDisplay showError;        // empty: the standard error message box
    AlertSound* alertSound = nullptr;      // bad input in the date commands; null: the system's
    DialogRunner* dialogRunner = nullptr;  // every dialog the commands open; null: modal loops
    PrintDeviceFactory printDevice{};      // one device per printed page; empty: default printer
    // The donation reminder, loaded before the window exists and saved after
    // it is gone; null: one of the window's own with nothing stored.
    DonationReminder* donation = nullptr;
    // Where the given registry leaves what it has to tell the user (a
    // damaged file set aside); the window shows them after each read or
    // write. Null: the window's own, for the store it opens itself.
    std::vector<std::string>* storeNotices = nullptr;
    // The button glyphs decoded ahead (see FirstPictures); null: read here.
    PicturePrefetch* pictures = nullptr;
    // Makes what reads the user's calendars, at the first need; empty: the
    // calendars module's.
    CalendarServiceFactory makeCalendars{};
};

// The standard error message box: the application title over the message.
void ShowErrorMessageBox(QWidget* owner, const std::string& message);

// The program's only top-level window: menus, the top bar with the month
// caption, the month grid and the navigation buttons below it.
//
// Sizes called "outer" include the frame the window manager draws around the
// window; as long as no frame is known (before the window is mapped, or on a
// platform without one) the outer size is the window's own size.
class TjulCalMainForm : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr QSize kInitialOuterSize{541, 419};
    static constexpr QSize kMinOuterSize{480, 404};
    static constexpr QSize kMaxOuterSize{820, 620};

    // shell opens the help page; without one the desktop's own is used.
    explicit TjulCalMainForm(Shell* shell = nullptr, QWidget* parent = nullptr);
    // The stored settings are read and applied before this returns; a
    // refused stored value is shown through services.showError.
    explicit TjulCalMainForm(MainFormServices services, QWidget* parent = nullptr);
    ~TjulCalMainForm() override;

    // The bitmaps the window shows as soon as it opens, for a
    // PicturePrefetch given in its services.
    static std::vector<PictureKey> FirstPictures();

    TjulCalMainForm(const TjulCalMainForm&) = delete;
    TjulCalMainForm& operator=(const TjulCalMainForm&) = delete;

    // The month grid; null before it is created and after it is freed.
    JulianCalendarWidget* Calendar1() const { return calendar1_; }

    // The area below the menu bar, in whose coordinates all controls lie.
    QWidget* ClientArea() const;

    // The active colours: the title band and the window background.
    const ColorSet& ActiveColors() const { return activeColors_; }
    // The settings record as last read or chosen.
    const AppDefaultsRec& AppDefaults() const { return appDefaults_; }

    // Loads the stored record; throws RegistryError for a refused value.
    void ReadSettings();
    // Stores the whole record; throws RegistryError when the value cannot
    // be written. An unopenable key is silently skipped.
    void WriteSettings();
    // The hive store the window opens when it is given no registry; what
    // that store has to tell the user waits in storeNotices_.
    std::unique_ptr<Registry> OpenHiveStore();
    // Shows, once each, what the store has told since the last time.
    void ShowStoreNotices();
    // Reads the record and applies display mode, check marks and colour set.
    // A refused value is shown and leaves Standard Colors and day of year.
    void RestoreSettings();
    // Makes set Index (0..2; anything else is Standard Colors) active for
    // the window and the grid, ticks its menu item and repaints at once.
    void ApplyColorSet(int Index);

    // Marks for the current run, all on today at creation; never stored.
    // The date commands hold them; these only read them there.
    DateSerial MarkedDate1() const;
    DateSerial MarkedDate2() const;
    DateSerial MarkedDate3() const;

    // The caption above the grid: the selected month and year.
    void UpdateDateCaption();
    // Opens the help page at its start whatever the topic.
    void StartMyHelp(const std::string& topic);
    void ShellOpen(const std::string& file, const std::string& parameters, int showCommand,
                   const std::string& directory);

    // A hidden Donate button shrinks to 2 pixels so that Help and Exit stay
    // flush right and the caption widens.
    void SetOrderButtonShown(bool shown);

  public slots:
    void btnLastYearClick();
    void btnLastMonthClick();
    void btnTodayClick();
    void btnNextMonthClick();
    void btnNextYearClick();
    void btnHelpClick();
    void btnExitClick();
    void Instructions1Click();
    void Exit1Click();
    void Calendar1Change();
    void UseStandardColorSet1Click();
    void UseDefaultColorset1Click();
    void UseBusinessColorset1Click();
    // Each serves the main-menu item and its context-menu twin.
    void ShowDayofYear1Click();
    void ShowJulianDayNumbers1Click();
    void ShowNone1Click();

    // The marked-date commands; each serves the main-menu item and its
    // context-menu twin.
    void SetasDate11Click();
    void SetasDate21Click();
    void SetasDate31Click();
    void GotoDate11Click();
    void GotoDate21Click();
    void GotoDate31Click();
    void GotoDate1Click();
    void DisplayDateDifferences1Click();
    // The two menus refresh their own Go to Date captions when they open.
    void Date1Click();
    void PopupMenu1Popup();

    void btnPrintClick();
    void Print1Click();
    // File > Calendars...: the user's own calendars on the grid.
    void Calendars1Click();

    // The splash closes 1.5 s after start-up; About opens it modally.
    void Timer1Timer();
    void About1Click();
    // The Donate button and Help > Make a Donation.
    void btnOrderClick();
    void MakeaDonation1Click();

  public:
    // The start-up splash while it is up: null before the first frame and
    // once the timer released it.
    TsplashForm* Splash() const;
    QTimer* Timer1 = nullptr;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    friend class MainFormClient;

    void FormCreate();
    void FormDestroy();
    void CreateMainMenu();
    void CreatePopupMenu();
    void CreateTopBar();
    void CreateNavigationBar();
    void CreateCalendar();
    void CreateDateCommands();
    void ShowSplash();
    // The splash is built and shown after the window's first frame, so
    // that it never delays it.
    void FirstFramePainted();
    void ReturnKeysToGrid();
    // Reads the stored calendar list without creating its key, and starts
    // reading the calendars when there are any. Runs after the first frame.
    void StartCalendars();
    // The marks and lines of the shown month, from the calendars read so far.
    void ShowEventLines();
    // Stores the changed list and reads its calendars again.
    void CalendarsChanged();
    void ShowCalendarNotices();

    struct TwinItem;
    static TwinItem Separator(const char* mainName, const char* popupName);
    static std::span<const TwinItem> DateItems();
    static std::span<const TwinItem> DayNumberItems();
    void AddTwinItems(QMenu* menu, std::span<const TwinItem> items, bool popup);

    // Runs the donation reminder; the close always goes ahead.
    void FormClose();
    DonationServices Donation();

    void FormResize();
    void FormPaint(QPainter& painter);
    // Returns whether the key was consumed.
    bool FormKeyDown(QKeyEvent& event);

    // A colour-set command: apply, record and store the choice.
    void ChooseColorSet(int index);
    // A display-mode command: grid flags, check marks, repaint, record, store.
    void ChooseDayNumberMode(DayNumberMode mode);
    // Ticks exactly the two items of `mode`.
    void CheckDayNumberItems(DayNumberMode mode);
    void ShowError(const std::string& message);

    // The frame around the window as the window manager reports it.
    QSize FrameExtent() const;
    // Keeps the size limits in outer terms once the frame is known, and sets
    // the initial outer size again the first time it becomes known.
    void FollowFrameExtent();
    void CentreOnScreen();

    // Runs a command so that its failure is shown and never crosses the
    // event loop.
    void RunCommand(const std::function<void()>& command);

    QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, const char* hint);
    QAction* AddSeparator(QMenu* menu, const char* name);
    QMenu* AddSubmenu(const char* name, const char* caption, const char* hint);

    Shell* shell_ = nullptr;
    std::unique_ptr<Shell> ownShell_;
    Registry* registry_ = nullptr;
    std::unique_ptr<Registry> ownRegistry_;
    std::vector<std::string> ownStoreNotices_;
    std::vector<std::string>* storeNotices_ = &ownStoreNotices_;
    ErrorDisplay showError_;
    PicturePrefetch* pictures_ = nullptr;
    AlertSound* alertSound_ = nullptr;
    DialogRunner* dialogRunner_ = nullptr;
    PrintDeviceFactory printDevice_;
    DonationReminder* donation_ = nullptr;
    std::unique_ptr<DonationReminder> ownDonation_;
    TsplashForm* splash_ = nullptr;
    bool splashDue_ = false;  // until Timer1 first fires
    bool closing_ = false;
    LocaleNames localeNames_;
    std::array<ColorSet, kColorSetCount> colorSets_{};
    // All zero until the first set is applied.
    ColorSet activeColors_{};
    AppDefaultsRec appDefaults_;
    QSize knownFrame_{0, 0};
    bool frameSeen_ = false;

    MainFormClient* client_ = nullptr;
    JulianCalendarWidget* calendar1_ = nullptr;
    std::unique_ptr<DateCommands> dateCommands_;
    CalendarServiceFactory makeCalendars_;
    std::unique_ptr<CalendarService> calendars_;  // none until the user has calendars
    QString calendarsProblem_;                    // why there are none although the user has some
    CalendarSources calendarSources_;
    TCalendarsForm* calendarsForm_ = nullptr;  // while the dialog is open

    SpeedButton* btnPrint = nullptr;
    QLabel* lblDateCaption = nullptr;
    SpeedButton* btnOrder = nullptr;
    SpeedButton* btnHelp = nullptr;
    SpeedButton* btnExit = nullptr;
    SpeedButton* btnLastYear = nullptr;
    SpeedButton* btnLastMonth = nullptr;
    SpeedButton* btnToday = nullptr;
    SpeedButton* btnNextMonth = nullptr;
    SpeedButton* btnNextYear = nullptr;

    QMenu* Date1 = nullptr;
    QMenu* PopupMenu1 = nullptr;

    QAction* Print1 = nullptr;
    QAction* GoToDate2 = nullptr;
    QAction* DisplayDateDifferences1 = nullptr;
    QAction* SetasDate12 = nullptr;
    QAction* SetasDate22 = nullptr;
    QAction* SetasDate32 = nullptr;
    QAction* GotoDate12 = nullptr;
    QAction* GotoDate22 = nullptr;
    QAction* GotoDate32 = nullptr;
    QAction* GotoDate1 = nullptr;
    QAction* DisplayDateDifferences2 = nullptr;
    QAction* SetasDate11 = nullptr;
    QAction* SetasDate21 = nullptr;
    QAction* SetasDate31 = nullptr;
    QAction* GotoDate11 = nullptr;
    QAction* GotoDate21 = nullptr;
    QAction* GotoDate31 = nullptr;

    QAction* ShowDayofYear1 = nullptr;
    QAction* ShowJulianDayNumbers1 = nullptr;
    QAction* ShowNone1 = nullptr;
    QAction* UseStandardColorSet1 = nullptr;
    QAction* UseDefaultColorset1 = nullptr;
    QAction* UseBusinessColorset1 = nullptr;
    QAction* ShowDayofYear2 = nullptr;
    QAction* ShowJulianDayNumbers2 = nullptr;
    QAction* ShowNone2 = nullptr;
};

}  // namespace tessarine
