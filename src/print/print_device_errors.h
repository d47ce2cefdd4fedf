// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "calendar/text_catalog.h"
#include "print/print_device.h"

namespace tessarine {

// The failures every print device meets the same way, worded once for all
// of them. `translate` gives the user's language; empty keeps English.

// Asked to turn its sheets while a document is printing.
PrintError OrientationLockedError(const TextTranslator& translate = {});

// Asked to draw while no document is open: the program's own fault, so it
// stays in English.
PrintError DocumentNotOpenError();

// A file of printed pages finished before any page was printed.
PrintError NoPagePrintedError(const TextTranslator& translate = {});

// Writes a finished file of printed pages as WriteOutputFile does; a failure
// comes as a PrintError in its words.
void WritePrintedFile(const std::string& path, std::string_view content,
                      const TextTranslator& translate = {});

}  // namespace tessarine
