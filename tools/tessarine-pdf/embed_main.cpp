// SPDX-License-Identifier: GPL-3.0-or-later
// tessarine-pdf-embed: tessarine-pdf's writer for pages whose text the PDF
// standard fonts lack. It draws through Qt's PDF writer and embeds the
// system's fonts; it takes tessarine-pdf's command line.

#include <QGuiApplication>
#include <QPageSize>
#include <QString>
#include <string>
#include <vector>

#include "pdf_tool.h"
#include "platform/qt/app_translators.h"
#include "platform/qt/font_setup.h"
#include "print/qt/pdf_document.h"

int main(int argc, char** argv) {
    using namespace tessarine;
    // Fonts need a GUI application object, never a display. The minimal
    // platform with fonts is the lightest one that has them; it is given on
    // Qt's command line, which outranks a QT_QPA_PLATFORM meant for the
    // user's desktop.
    QuietQtNotes();
    char platformOption[] = "-platform";
    char platform[] = "minimal:enable_fonts";
    int qtArgc = 3;
    char* qtArgv[] = {argv[0], platformOption, platform, nullptr};
    QGuiApplication application(qtArgc, qtArgv);
    InstallTranslations();
    SetUpFontSubstitutes();
    return RunPdfTool(
        std::vector<std::string>(argv + 1, argv + argc), [](const PdfToolOptions& options) {
            PdfDocument document(
                QString::fromStdString(options.output),
                QPageSize(PaperOf(options) == Paper::Letter ? QPageSize::Letter : QPageSize::A4));
            PrintRequestedPages(options, document.Factory());
            document.Commit();
            return kPdfToolWritten;
        });
}
