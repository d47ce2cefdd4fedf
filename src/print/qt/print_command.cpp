// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/qt/print_command.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QWidget>
#include <exception>

#include "platform/qt/app_translators.h"
#include "print/qt/default_printer.h"

namespace tessarine {

void QtBusyCursor::Show() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtBusyCursor::Restore() {
    QGuiApplication::restoreOverrideCursor();
}

void ShowPrintErrorBox(QWidget* owner, const std::string& message) {
    const QString caption = owner != nullptr ? owner->window()->windowTitle()
                                             : QGuiApplication::applicationDisplayName();
    QMessageBox::critical(owner, caption, QString::fromStdString(message));
}

PrintJobState RunPrintCommand(QWidget* owner, const PrintCommandContext& context) noexcept {
    PrintJobState job;
    const auto showError = [&](const std::string& message) {
        try {
            if (context.showError) {
                context.showError(owner, message);
            } else {
                ShowPrintErrorBox(owner, message);
            }
        } catch (...) {
            // Nothing may cross into the event loop.
        }
    };

    try {
        job.PrintPageDate = context.SelectedDate;
        job.PrintFormatIndex = -1;
        job.PrintPagesLeft = -1;

        int result = 0;
        {
            TprintSelDialog dialog(owner, job, context.startMyHelp);
            result = RunDialog(context.dialogRunner, dialog);
        }
        if (result != 1) {
            return job;
        }

        QtBusyCursor applicationCursor;
        PrintEnvironment environment;
        environment.makeDevice = context.makeDevice ? context.makeDevice : DefaultPrinterFactory();
        environment.cursor = context.cursor != nullptr ? context.cursor : &applicationCursor;
        environment.ShowJulianDayNumber = context.ShowJulianDayNumber;
        environment.ShowNone = context.ShowNone;
        environment.localeNames = context.localeNames;
        environment.translate = QtTextTranslator();
        environment.eventsOfDays = context.eventsOfDays;
        environment.formatTime = context.formatTime;
        PrintPages(job, environment);
    } catch (const std::exception& failure) {
        showError(failure.what());
    } catch (...) {
        showError(QCoreApplication::translate("Errors", "Printing failed for an unknown reason.")
                      .toStdString());
    }
    return job;
}

}  // namespace tessarine
