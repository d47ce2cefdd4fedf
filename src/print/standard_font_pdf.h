// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/text_catalog.h"
#include "print/paper_size.h"
#include "print/pdf_file.h"
#include "print/print_device.h"

namespace tessarine {

// A page the PDF standard fonts cannot draw: a face other than the plain or
// bold sans, or text outside WinAnsiEncoding (month names in Greek, say).
// The job has to be written again with the system's fonts embedded.
class NeedsEmbeddedFonts : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// One PDF file, written without a font library: texts in Arial, named and
// not embedded (readers have it or a face with its metrics, as they have
// Helvetica), boxes as paths. Each print document of a job becomes the
// next page, in its own orientation; the whole file is written in Commit
// (see WriteOutputFile). Devices throw NeedsEmbeddedFonts for what they
// cannot draw, and nothing is written then.
class StandardFontPdf {
  public:
    static constexpr int kResolution = 600;

    // `translate` words the errors; empty means English.
    StandardFontPdf(std::string path, Paper paper, TextTranslator translate = {});

    StandardFontPdf(const StandardFontPdf&) = delete;
    StandardFontPdf& operator=(const StandardFontPdf&) = delete;

    // Devices for the page engine; they must not outlive the document.
    PrintDeviceFactory Factory();
    int PageCount() const { return static_cast<int>(content_.pages.size()); }
    // The file's bytes as Commit writes them.
    std::string Serialized() const { return SerializePdf(content_); }
    // Finishes the PDF and gives it its name. Throws PrintError.
    void Commit();

  private:
    friend class StandardFontPdfDevice;
    // Starts a sheet and returns its index in content_.pages.
    int StartPage(PageOrientation orientation);
    DeviceSize SheetPixels(PageOrientation orientation) const;

    std::string path_;
    Paper paper_;
    TextTranslator translate_;
    PdfContent content_;
};

}  // namespace tessarine
