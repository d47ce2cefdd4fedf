#pragma once

#include <QMainWindow>
#include <QSize>
#include <memory>
#include <string>

#include "calendar/color_set.h"
#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "platform/shell.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMenu;
class QPainter;

namespace tessarine {

class JulianCalendarWidget;
class MainFormClient;
class SpeedButton;

inline constexpr char kApplicationTitle[] = "Tessarine - Freeware Edition";
inline constexpr char kHelpFile[] = "tessarine4.html";
inline constexpr char kHelpTopic[] = "HLP_WEL1";

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
    ~TjulCalMainForm() override;

    TjulCalMainForm(const TjulCalMainForm&) = delete;
    TjulCalMainForm& operator=(const TjulCalMainForm&) = delete;

    // The month grid; null before it is created and after it is freed.
    JulianCalendarWidget* Calendar1() const { return calendar1_; }

    // The area below the menu bar, in whose coordinates all controls lie.
    QWidget* ClientArea() const;

    // The active colours: the title band and the window background.
    const ColorSet& ActiveColors() const { return activeColors_; }

    // Marks for the current run, all on today at creation; never stored.
    DateSerial MarkedDate1 = 0;
    DateSerial MarkedDate2 = 0;
    DateSerial MarkedDate3 = 0;

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

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class MainFormClient;

    void FormCreate();
    void FormDestroy();
    void CreateMainMenu();
    void CreatePopupMenu();
    void CreateTopBar();
    void CreateNavigationBar();
    void CreateCalendar();

    void FormResize();
    void FormPaint(QPainter& painter);
    // Returns whether the key was consumed.
    bool FormKeyDown(QKeyEvent& event);

    void ApplyColorSet(const ColorSet& colors);

    // The frame around the window as the window manager reports it.
    QSize FrameExtent() const;
    // Keeps the size limits in outer terms once the frame is known, and sets
    // the initial outer size again the first time it becomes known.
    void FollowFrameExtent();
    void CentreOnScreen();

    // Runs a command so that its failure is shown and never crosses the
    // event loop.
    template <typename Command>
    void RunCommand(Command&& command);

    QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption, const char* hint);
    QAction* AddSeparator(QMenu* menu, const char* name);
    QMenu* AddSubmenu(const char* name, const char* caption, const char* hint);

    Shell* shell_ = nullptr;
    std::unique_ptr<Shell> ownShell_;
    LocaleNames localeNames_;
    ColorSet activeColors_{};
    QSize knownFrame_{0, 0};
    bool frameSeen_ = false;

    MainFormClient* client_ = nullptr;
    JulianCalendarWidget* calendar1_ = nullptr;

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

    QMenu* PopupMenu1 = nullptr;
};

}  // namespace tessarine
