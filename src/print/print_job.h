// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "calendar/date_serial.h"
#include "calendar/locale_names.h"
#include "calendar/text_catalog.h"
#include "events/day_event.h"
#include "print/day_box_lines.h"
#include "print/print_device.h"

namespace tessarine {

// The state one print job shares between the Print command, the format
// dialog, the page loop and the layouts.
struct PrintJobState {
    DateSerial PrintPageDate = 0;        // the date the next page is built from
    std::int32_t PrintFormatIndex = -1;  // 0..11; -1 = no format chosen
    std::int32_t PrintPagesLeft = -1;    // pages after the current one; -1 = cancelled
};

enum class PageLayout {
    MonthView,
    BiweeklyPlanner,
    WeeklyPlanner,
    TwoDayPlanner,
    YearView,
    YearPlanner
};

enum class PageAlignment { None, MonthStart, YearStart };

struct PageFormat {
    const char* listText;  // in English, as the format dialog lists it
    PageLayout layout;
    int wide;  // 0 portrait, 1 landscape
    PageAlignment beforeEachPage;
    bool alignToWeekStartOnce;  // before the first page only
    int stepDays;               // added to the page date after each page
    const char* footerLabel;
};

inline constexpr int kPageFormatCount = 12;
inline constexpr int kMaxConsecutivePages = 13;

// The twelve formats in the order of the dialog's list; the index is
// PrintFormatIndex.
const std::array<PageFormat, kPageFormatCount>& PageFormats();

// The footer label a layout prints under its content area, from the table
// above: an English text marked for translation.
const char* FooterLabel(PageLayout layout);

// The screen cursor as the layouts see it: busy while a page is built.
class BusyCursor {
  public:
    virtual ~BusyCursor() = default;
    // Remembers the current cursor and shows the busy one.
    virtual void Show() = 0;
    // Brings back the remembered cursor.
    virtual void Restore() = 0;
};

// What the layouts read besides the job state: where pages go, the cursor,
// the month grid's display mode and the user's month and weekday names.
struct PrintEnvironment {
    PrintDeviceFactory makeDevice;
    BusyCursor* cursor = nullptr;  // none in a tool without a screen
    bool ShowJulianDayNumber = false;
    bool ShowNone = false;
    LocaleNames localeNames;
    TextTranslator translate;  // the texts on paper; empty: English
    // The user's calendars: the events of every day from first to last.
    // Empty when no calendar is printed; the pages are then exactly those
    // without calendars.
    std::function<EventDays(DateSerial first, DateSerial last)> eventsOfDays = nullptr;
    EventTimeFormatter formatTime = nullptr;  // empty: 24-hour
};

void AlignToMonthStart(PrintJobState& job);
void AlignToWeekStart(PrintJobState& job);
void AlignToYearStart(PrintJobState& job);

// One page of the job: called with the format and the page date already
// aligned for that page.
using PagePrinter = std::function<void(const PageFormat& format, const PrintJobState& job)>;

// The page loop for the job's format, page count and page date: aligns, has
// each page printed, steps the date. Does nothing for a cancelled job or a
// format outside the table; a failing page ends the loop at that page.
void PrintPages(PrintJobState& job, const PagePrinter& printPage);

// The page loop with the real layouts.
void PrintPages(PrintJobState& job, const PrintEnvironment& environment);

// The layout of one format for one page.
void PrintLayoutPage(PageLayout layout, int wide, const PrintJobState& job,
                     const PrintEnvironment& environment);

}  // namespace tessarine
