// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/default_printer.h"

#include <QCoreApplication>
#include <memory>

#include "platform/qt/program_module.h"
#include "print/qt/print_faces.h"
#include "print/qt/printer/printer_module.h"

namespace tessarine {

namespace {

NewPrinterDevice OpenPrinterModule() {
    QString problem;
    if (QFunctionPointer make = OpenProgramModule("TESSARINE_PRINTER_MODULE", kPrinterModuleName,
                                                  TESSARINE_NEW_PRINTER_DEVICE_NAME, problem)) {
        return reinterpret_cast<NewPrinterDevice>(make);
    }
    throw PrintError(
        QCoreApplication::translate(
            "Errors", "Printing is not available: its module could not be opened (%1).")
            .arg(problem)
            .toStdString());
}

}  // namespace

PrintDeviceFactory DefaultPrinterFactory() {
    return [faces = std::make_shared<PrintFaces>(),
            make = NewPrinterDevice{nullptr}]() mutable -> std::unique_ptr<PrintDevice> {
        if (make == nullptr) make = OpenPrinterModule();
        return std::unique_ptr<PrintDevice>(make(&faces));
    };
}

}  // namespace tessarine
