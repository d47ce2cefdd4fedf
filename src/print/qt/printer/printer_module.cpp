// SPDX-License-Identifier: GPL-3.0-or-later
// The printing module's entry point. The program opens the module only when
// it first prints (see default_printer.cpp), so the print support library
// and the printer's code stay out of every start-up.

#include "print/qt/printer/printer_module.h"

#include <memory>

#include "print/qt/printer/qt_print_device.h"

extern "C" __attribute__((visibility("default"))) tessarine::PrintDevice*
TESSARINE_NEW_PRINTER_DEVICE(const std::shared_ptr<tessarine::PrintFaces>* faces) {
    return new tessarine::QtPrinterDevice(*faces);
}
