// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_job.h"

namespace tessarine {

// Fourteen days on one sheet, as one print document: two columns of seven
// day boxes, one week each, from the day after the page date (a Sunday) on.
// Reads the job's page date; changes nothing. Wide 0 prints portrait, 1
// landscape.
void PrintBiweeklyPlanner(const PrintJobState& job, const PrintEnvironment& environment, int wide);

}  // namespace tessarine
