#pragma once

#include <string>

#include "calendar/locale_names.h"
#include "print/print_job.h"
#include "support/recording_print_device.h"

namespace tessarine {

// A print job run through the real layouts onto a recording Letter printer
// (600 dpi, quarter-inch strips, so 0.75-inch margins), read back in sheet
// inches.
class PrintedJob {
  public:
    PrintedJob(int formatIndex, DateSerial gridDate, int pages,
               LocaleNames names = EnglishLocaleNames());

    const PrintRecording& Recording() const { return printer_.Recording(); }

    // The content area of the format's orientation.
    double L = 0.75;
    double T = 0.75;
    double W = 0;
    double H = 0;

    double XIn(int canvasX) const;
    double YIn(int canvasY) const;
    // Whether the document shows `text` 0.02 inch inside the top-left corner
    // of cell (column, row), the content area cut into columns x rows.
    bool TextInCell(int document, const std::string& text, int column, int row, int columns,
                    int rows) const;

  private:
    RecordingPrinter printer_;
};

}  // namespace tessarine
