// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_job.h"

namespace tessarine {

// Seven days and a "Notes" box on one sheet, as one print document: two
// columns of four tall boxes, from the day after the page date (a Sunday)
// on. Reads the job's page date; changes nothing. Wide 0 prints portrait, 1
// landscape.
void PrintWeeklyPlanner(const PrintJobState& job, const PrintEnvironment& environment, int wide);

}  // namespace tessarine
