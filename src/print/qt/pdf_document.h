#pragma once

#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <memory>

#include "print/print_device.h"

namespace tessarine {

// One PDF file that collects the print documents of a job: each document
// becomes the next page, in its own orientation. The file is written beside
// its final name and takes that name only in Commit, so an existing file is
// replaced only by a complete PDF.
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
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    QPainter painter_;
    int pages_ = 0;
};

}  // namespace tessarine
