// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/print_device.h"

namespace tessarine {

// Makes a device for the default printer for every page; the pages of a job
// share their faces. The printer's code is in a module of its own, opened
// when the first page is made; a module that cannot be opened fails that
// page with a PrintError saying so.
PrintDeviceFactory DefaultPrinterFactory();

}  // namespace tessarine
