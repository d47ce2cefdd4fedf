// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/print_device_errors.h"

#include "platform/output_file.h"

namespace tessarine {

namespace {

constexpr const char* kErrorsContext = "Errors";

}  // namespace

PrintError OrientationLockedError(const TextTranslator& translate) {
    return PrintError(Translate(
        translate, kErrorsContext,
        TESSARINE_TRANSLATE_NOOP(
            "Errors", "The page orientation cannot change while a document is printing.")));
}

PrintError DocumentNotOpenError() {
    return PrintError("Nothing can be drawn: the print document is not open.");
}

PrintError NoPagePrintedError(const TextTranslator& translate) {
    return PrintError(Translate(translate, kErrorsContext,
                                TESSARINE_TRANSLATE_NOOP("Errors", "No page was printed.")));
}

void WritePrintedFile(const std::string& path, std::string_view content,
                      const TextTranslator& translate) {
    try {
        WriteOutputFile(path, content, translate);
    } catch (const OutputFileError& error) {
        throw PrintError(error.what());
    }
}

}  // namespace tessarine
