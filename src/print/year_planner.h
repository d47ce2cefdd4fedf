// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_job.h"

namespace tessarine {

// A whole year on one sheet as a wall planner, as one print document: one
// line of day boxes per month, every weekday in its own columns, Saturdays
// and Sundays grey. Reads the year of the job's page date; changes nothing.
// Wide 0 prints portrait, 1 landscape.
void PrintYearPlanner(const PrintJobState& job, const PrintEnvironment& environment, int wide);

}  // namespace tessarine
