// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_job.h"

namespace tessarine {

// One calendar month on one sheet, as one print document: a header band with
// the month's name and the weekday names over six week rows of seven days.
// Reads the job's page date (the 1st of the month) and the display mode;
// changes nothing. Wide 0 prints portrait, 1 landscape.
void PrintMonthView(const PrintJobState& job, const PrintEnvironment& environment, int wide);

}  // namespace tessarine
