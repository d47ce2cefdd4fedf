// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <memory>

#include "print/print_device.h"
#include "print/qt/print_faces.h"

namespace tessarine {

// One PDF file that collects the print documents of a job: each document
// becomes the next page, in its own orientation. The PDF is drawn in memory
// and written out only in Commit (see WriteOutputFile: "-" is standard
// output, an existing file is replaced only by a complete PDF, a FIFO or
// device is written, never replaced).
class PdfDocument {
  public:
    static constexpr int kResolution = 600;

    PdfDocument(const QString& path, const QPageSize& pageSize);
    ~PdfDocument();

    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    // Devices for the page engine; they must not outlive the document.
    PrintDeviceFactory Factory();
    int PageCount() const { return pages_; }
    // Finishes the PDF and gives it its name. Throws PrintError.
    void Commit();

  private:
    friend class PdfPageDevice;
    void StartPage(PageOrientation orientation);
    QPdfWriter& Writer() { return *writer_; }
    QPainter* ActivePainter() { return painter_.isActive() ? &painter_ : nullptr; }

    QString path_;
    QPageSize pageSize_;
    QBuffer buffer_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    std::shared_ptr<PrintFaces> faces_ = std::make_shared<PrintFaces>();  // for all pages
    int pages_ = 0;
};

}  // namespace tessarine
