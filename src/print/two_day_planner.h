// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_job.h"

namespace tessarine {

// Two consecutive days on one sheet, as one print document: two tall boxes
// side by side, the first for the page date itself. Reads the job's page
// date; changes nothing. Wide 0 prints portrait, 1 landscape.
void PrintTwoDayPlanner(const PrintJobState& job, const PrintEnvironment& environment, int wide);

}  // namespace tessarine
