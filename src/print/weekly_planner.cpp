// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/weekly_planner.h"

#include "print/day_caption.h"
#include "print/day_event_lines.h"
#include "print/page_texts.h"
#include "print/planner_page.h"

namespace tessarine {

void PrintWeeklyPlanner(const PrintJobState& job, const PrintEnvironment& environment, int wide) {
    PrintFramedPage(environment, wide, [&](TPrintObject& engine, const PageFrame& frame) {
        const double L = frame.L;
        const double T = frame.T;
        const DateSerial S = job.PrintPageDate;
        const LocaleNames& names = environment.localeNames;
        const auto [CW, RH] = DrawPlannerHeading(engine, frame, environment, 9, S + 1, S + 7,
                                                 FooterLabel(PageLayout::WeeklyPlanner));
        const EventDays events = PageEvents(environment, S + 1, S + 7);
        // Each box is two rows tall; the right column's last box is for notes.
        for (int i = 0; i <= 1; ++i) {
            for (int k = 1; k <= 4; ++k) {
                const int r = 2 * k - 1;
                const double left = L + i * CW;
                const double top = T + r * RH;
                const bool notes = i == 1 && k == 4;
                DrawPlannerBox(
                    engine, left, top, left + CW, top + 2.0 * RH,
                    notes ? PageText(environment, TESSARINE_TRANSLATE_NOOP("PrintedPage", "Notes"))
                          : DayCaption(S + 4 * i + k, names, environment.translate));
                if (!notes) {
                    WritePlannerBoxEvents(engine, environment, events.On(S + 4 * i + k), left, top,
                                          left + CW, top + 2.0 * RH);
                }
            }
        }
    });
}

}  // namespace tessarine
