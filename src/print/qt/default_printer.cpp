// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/default_printer.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QStringList>
#include <memory>

#include "print/qt/print_faces.h"
#include "print/qt/printer/printer_module.h"

namespace tessarine {

namespace {

// TESSARINE_PRINTER_MODULE names the module outright when set (for a
// packager's own layout); otherwise it is installed beside the program's
// library folder, or in an uninstalled build beside the program.
QStringList ModuleCandidates() {
    const QString named = qEnvironmentVariable("TESSARINE_PRINTER_MODULE");
    if (!named.isEmpty()) return {named};
    const QString name = QString::fromLatin1(kPrinterModuleName);
    const QString programDir = QCoreApplication::applicationDirPath();
    return {programDir + QStringLiteral("/../lib/tessarine/") + name,
            programDir + QStringLiteral("/") + name};
}

NewPrinterDevice OpenPrinterModule() {
    QString problem;
    for (const QString& candidate : ModuleCandidates()) {
        // Never unloaded: the devices it makes run its code.
        QLibrary module(candidate);
        // The first place's problem is the one to tell: it is where the
        // module belongs.
        if (!module.load()) {
            if (problem.isEmpty()) problem = module.errorString();
            continue;
        }
        if (auto make = reinterpret_cast<NewPrinterDevice>(
                module.resolve(TESSARINE_NEW_PRINTER_DEVICE_NAME))) {
            return make;
        }
        if (problem.isEmpty()) problem = module.errorString();
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
