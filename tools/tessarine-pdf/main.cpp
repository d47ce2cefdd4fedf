// SPDX-License-Identifier: GPL-3.0-or-later
// tessarine-pdf: the calendar's printed pages, written to one PDF file.
//
// Pages name their font, Arial, without embedding it (readers have it or a
// face with its metrics), so the tool needs neither a font library nor Qt's
// GUI module and starts in a few milliseconds. A page with text that face
// lacks (month names in Greek, say) is handed, command line and all, to
// tessarine-pdf-embed, which embeds the system's fonts.

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "pdf_tool.h"
#include "platform/qt/app_translators.h"
#include "print/standard_font_pdf.h"

namespace {

using namespace tessarine;

constexpr const char* kEmbedderName = "tessarine-pdf-embed";

// TESSARINE_PDF_EMBEDDER names the embedding writer outright when set;
// otherwise it is installed in lib/tessarine beside the bin folder, or, in a
// build, beside this program.
std::vector<std::string> EmbedderCandidates() {
    const QString named = qEnvironmentVariable("TESSARINE_PDF_EMBEDDER");
    if (!named.isEmpty()) return {named.toStdString()};
    const QString programDir = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(programDir + QStringLiteral("/../lib/tessarine/") + kEmbedderName)
                .toStdString(),
            QDir(programDir).filePath(QString::fromLatin1(kEmbedderName)).toStdString()};
}

// Runs the embedding writer in place of this process; returns only if it
// cannot be started.
int HandOverToEmbedder(char** argv) {
    std::string problem;
    for (const std::string& candidate : EmbedderCandidates()) {
        argv[0] = const_cast<char*>(candidate.c_str());
        execv(candidate.c_str(), argv);
        if (problem.empty()) problem = candidate + ": " + std::strerror(errno);
    }
    std::fprintf(stderr, "tessarine-pdf: %s\n",
                 QCoreApplication::translate(
                     "tessarine-pdf",
                     "these pages need the system's fonts, but their writer could not be "
                     "started (%1)")
                     .arg(QString::fromStdString(problem))
                     .toUtf8()
                     .constData());
    return kPdfToolFailed;
}

}  // namespace

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN);  // past the file-size limit, a write fails with a message
    QuietQtNotes();
    // Qt sees only the program's name: the arguments are the tool's, and are
    // handed on unchanged.
    int qtArgc = 1;
    QCoreApplication application(qtArgc, argv);
    InstallTranslations();
    bool needsEmbeddedFonts = false;
    const int status = RunPdfTool(std::vector<std::string>(argv + 1, argv + argc),
                                  [&needsEmbeddedFonts](const PdfToolOptions& options) {
                                      StandardFontPdf document(options.output, PaperOf(options),
                                                               QtTextTranslator());
                                      try {
                                          PrintRequestedPages(options, document.Factory());
                                      } catch (const NeedsEmbeddedFonts&) {
                                          needsEmbeddedFonts = true;
                                          return kPdfToolFailed;
                                      }
                                      document.Commit();
                                      return kPdfToolWritten;
                                  });
    return needsEmbeddedFonts ? HandOverToEmbedder(argv) : status;
}
