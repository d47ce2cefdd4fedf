// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/biweekly_planner.h"

#include "print/day_caption.h"
#include "print/day_event_lines.h"
#include "print/planner_page.h"

namespace tessarine {

void PrintBiweeklyPlanner(const PrintJobState& job, const PrintEnvironment& environment, int wide) {
    PrintFramedPage(environment, wide, [&](TPrintObject& engine, const PageFrame& frame) {
        const double L = frame.L;
        const double T = frame.T;
        const DateSerial S = job.PrintPageDate;
        const LocaleNames& names = environment.localeNames;
        const auto [CW, RH] = DrawPlannerHeading(engine, frame, environment, 8, S + 1, S + 14,
                                                 FooterLabel(PageLayout::BiweeklyPlanner));
        const EventDays events = PageEvents(environment, S + 1, S + 14);
        for (int i = 0; i <= 1; ++i) {
            for (int j = 1; j <= 7; ++j) {
                const double left = L + i * CW;
                const double top = T + j * RH;
                DrawPlannerBox(engine, left, top, left + CW, top + RH,
                               DayCaption(S + 7 * i + j, names, environment.translate));
                WritePlannerBoxEvents(engine, environment, events.On(S + 7 * i + j), left, top,
                                      left + CW, top + RH);
            }
        }
    });
}

}  // namespace tessarine
