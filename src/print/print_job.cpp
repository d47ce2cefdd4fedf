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

// A layout's footer label, the same on its normal and its wide pages.
constexpr const char* kMonthViewFooter = TESSARINE_TRANSLATE_NOOP("PrintedPage", "Month View");
constexpr const char* kBiweeklyPlannerFooter =
    TESSARINE_TRANSLATE_NOOP("PrintedPage", "Biweekly Planner");
constexpr const char* kWeeklyPlannerFooter =
    TESSARINE_TRANSLATE_NOOP("PrintedPage", "Weekly Planner");
constexpr const char* kTwoDayPlannerFooter =
    TESSARINE_TRANSLATE_NOOP("PrintedPage", "Two Day Planner");
constexpr const char* kYearViewFooter = TESSARINE_TRANSLATE_NOOP("PrintedPage", "Year View");
constexpr const char* kYearPlannerFooter =
    TESSARINE_TRANSLATE_NOOP("PrintedPage", "Yearly Planner");

constexpr std::array<PageFormat, kPageFormatCount> kPageFormats{{
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Monthly View"), MonthView, 0, MonthStart, false, 31,
     kMonthViewFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Monthly View (wide format)"), MonthView, 1,
     MonthStart, false, 31, kMonthViewFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Biweekly Planner"), BiweeklyPlanner, 0, None, true,
     14, kBiweeklyPlannerFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Biweekly Planner (wide format)"), BiweeklyPlanner, 1,
     None, true, 14, kBiweeklyPlannerFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Weekly Planner"), WeeklyPlanner, 0, None, true, 7,
     kWeeklyPlannerFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Weekly Planner (wide format)"), WeeklyPlanner, 1,
     None, true, 7, kWeeklyPlannerFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Two Day Planner"), TwoDayPlanner, 0, None, false, 2,
     kTwoDayPlannerFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Two Day Planner (wide format)"), TwoDayPlanner, 1,
     None, false, 2, kTwoDayPlannerFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Yearly Calendar View"), YearView, 0, YearStart, false,
     366, kYearViewFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Yearly Calendar View (wide format)"), YearView, 1,
     YearStart, false, 366, kYearViewFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Year Planner"), YearPlanner, 0, YearStart, false, 366,
     kYearPlannerFooter},
    {TESSARINE_TRANSLATE_NOOP("PageFormats", "Year Planner (wide format)"), YearPlanner, 1,
     YearStart, false, 366, kYearPlannerFooter},
}};

// Only a value cast into the enumeration gets here.
PrintError UnknownLayout() {
    return PrintError("Unknown page layout.");
}

}  // namespace

const std::array<PageFormat, kPageFormatCount>& PageFormats() {
    return kPageFormats;
}

const char* FooterLabel(PageLayout layout) {
    for (const PageFormat& format : kPageFormats) {
        if (format.layout == layout) {
            return format.footerLabel;
        }
    }
    throw UnknownLayout();
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
    throw UnknownLayout();
}

void PrintPages(PrintJobState& job, const PrintEnvironment& environment) {
    PrintPages(job, [&environment](const PageFormat& format, const PrintJobState& page) {
        PrintLayoutPage(format.layout, format.wide, page, environment);
    });
}

}  // namespace tessarine
