// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "print/print_device.h"
#include "print/qt/print_faces.h"

// The one function the printing module exports: a device for the default
// printer, drawing in `faces`, owned by the caller. Throws PrintError when
// there is no default printer.
#define TESSARINE_NEW_PRINTER_DEVICE tessarine_new_printer_device
#define TESSARINE_NEW_PRINTER_DEVICE_NAME "tessarine_new_printer_device"

namespace tessarine {

using NewPrinterDevice = PrintDevice* (*)(const std::shared_ptr<PrintFaces>* faces);

// The module's file name, as the build and the installation place it.
inline constexpr char kPrinterModuleName[] = "tessarine-printer.so";

}  // namespace tessarine
