// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_job.h"

#include "print/biweekly_planner.h"
#include "print/month_view.h"
#include "print/two_day_planner.h"
#include "print/weekly_planner.h"
#include "print/year_planner.h"
#include "print/year_view.h"

namespace tessarine {

namespace {

using enum PageLayout;
using enum PageAlignment;

constexpr std::array<PageFormat, kPageFormatCount> kPageFormats{{
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Monthly View"), MonthView, 0, MonthStart, false, 31,
     TESSARINE_TRANSLATE_NOOP("PrintedPage", "Month View")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Monthly View (wide format)"), MonthView, 1,
     MonthStart, false, 31, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Month View")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Biweekly Planner"), BiweeklyPlanner, 0, None, true,
     14, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Biweekly Planner")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Biweekly Planner (wide format)"), BiweeklyPlanner, 1,
     None, true, 14, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Biweekly Planner")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Weekly Planner"), WeeklyPlanner, 0, None, true, 7,
     TESSARINE_TRANSLATE_NOOP("PrintedPage", "Weekly Planner")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Weekly Planner (wide format)"), WeeklyPlanner, 1,
     None, true, 7, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Weekly Planner")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Two Day Planner"), TwoDayPlanner, 0, None, false, 2,
     TESSARINE_TRANSLATE_NOOP("PrintedPage", "Two Day Planner")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Two Day Planner (wide format)"), TwoDayPlanner, 1,
     None, false, 2, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Two Day Planner")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Yearly Calendar View"), YearView, 0, YearStart, false,
     366, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Year View")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Yearly Calendar View (wide format)"), YearView, 1,
     YearStart, false, 366, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Year View")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Year Planner"), YearPlanner, 0, YearStart, false, 366,
     TESSARINE_TRANSLATE_NOOP("PrintedPage", "Yearly Planner")},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Year Planner (wide format)"), YearPlanner, 1,
     YearStart, false, 366, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Yearly Planner")},
}};

}  // namespace

const std::array<PageFormat, kPageFormatCount>& PageFormats() {
    return kPageFormats;
}

void AlignToMonthStart(PrintJobState& job) {
    const DateFields fields = DecodeDateSerial(job.PrintPageDate);
    job.PrintPageDate = EncodeDateSerial(fields.year, fields.month, 1);
}

void AlignToWeekStart(PrintJobState& job) {
    job.PrintPageDate -= WeekdaySundayFirst(job.PrintPageDate) - 1;  // back to the Sunday
}

void AlignToYearStart(PrintJobState& job) {
    job.PrintPageDate = StartOfYear(job.PrintPageDate);
}

void PrintPages(PrintJobState& job, const PagePrinter& printPage) {
    if (job.PrintFormatIndex < 0 || job.PrintPagesLeft < 0) {
        return;
    }
    if (job.PrintFormatIndex >= kPageFormatCount) {
        return;
    }
    const PageFormat& format = kPageFormats[static_cast<std::size_t>(job.PrintFormatIndex)];
    if (format.alignToWeekStartOnce) {
        AlignToWeekStart(job);
    }
    do {
        switch (format.beforeEachPage) {
            case MonthStart:
                AlignToMonthStart(job);
                break;
            case YearStart:
                AlignToYearStart(job);
                break;
            case None:
                break;
        }
        printPage(format, job);
        --job.PrintPagesLeft;
        job.PrintPageDate += format.stepDays;
    } while (job.PrintPagesLeft >= 0);
}

void PrintLayoutPage(PageLayout layout, int wide, const PrintJobState& job,
                     const PrintEnvironment& environment) {
    switch (layout) {
        case MonthView:
            PrintMonthView(job, environment, wide);
            return;
        case BiweeklyPlanner:
            PrintBiweeklyPlanner(job, environment, wide);
            return;
        case WeeklyPlanner:
            PrintWeeklyPlanner(job, environment, wide);
            return;
        case TwoDayPlanner:
            PrintTwoDayPlanner(job, environment, wide);
            return;
        case YearView:
            PrintYearView(job, environment, wide);
            return;
        case YearPlanner:
            PrintYearPlanner(job, environment, wide);
            return;
    }
    throw PrintError("Unknown page layout.");
}

void PrintPages(PrintJobState& job, const PrintEnvironment& environment) {
    PrintPages(job, [&environment](const PageFormat& format, const PrintJobState& page) {
        PrintLayoutPage(format.layout, format.wide, page, environment);
    });
}

}  // namespace tessarine
