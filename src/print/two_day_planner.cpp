// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/two_day_planner.h"

#include "print/day_caption.h"
#include "print/day_event_lines.h"
#include "print/planner_page.h"

namespace tessarine {

void PrintTwoDayPlanner(const PrintJobState& job, const PrintEnvironment& environment, int wide) {
    PrintFramedPage(environment, wide, [&](TPrintObject& engine, const PageFrame& frame) {
        const double L = frame.L;
        const double T = frame.T;
        const DateSerial S = job.PrintPageDate;
        const LocaleNames& names = environment.localeNames;
        const auto [CW, RH] = DrawPlannerHeading(engine, frame, environment, 9, S, S + 1,
                                                 FooterLabel(PageLayout::TwoDayPlanner));
        const EventDays events = PageEvents(environment, S, S + 1);
        // From under the heading band to the bottom of the content area.
        for (int i = 0; i <= 1; ++i) {
            const double left = L + i * CW;
            DrawPlannerBox(engine, left, T + RH, left + CW, T + RH + 8.0 * RH,
                           DayCaption(S + i, names, environment.translate));
            WritePlannerBoxEvents(engine, environment, events.On(S + i), left, T + RH, left + CW,
                                  T + RH + 8.0 * RH);
        }
    });
}

}  // namespace tessarine
