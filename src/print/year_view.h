// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_job.h"

namespace tessarine {

// A whole year on one sheet, as one print document: twelve small month
// calendars, three across and four down, weeks starting on Sunday. Reads
// the year of the job's page date; changes nothing. Wide 0 prints portrait,
// 1 landscape.
void PrintYearView(const PrintJobState& job, const PrintEnvironment& environment, int wide);

}  // namespace tessarine
