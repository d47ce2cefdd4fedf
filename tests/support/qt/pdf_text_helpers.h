// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tessarine::testing {

// A word of a PDF page as pdftotext -bbox reports it, in points from the
// page's top-left corner.
struct PdfWord {
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

struct PdfPage {
    double width = 0;
    double height = 0;
    QList<PdfWord> words;

    // Every word with this text, in reading order.
    QList<PdfWord> All(const QString& text) const;
    // The line of words starting with `first` followed by `rest`
    // (for "2025" "60" or "Month" "View"), as one box.
    bool FindPhrase(const QStringList& phrase, PdfWord& box) const;
};

// Empty when pdftotext is missing or fails; `error` says why.
QList<PdfPage> ReadPdfWords(const QString& pdfPath, QString* error = nullptr);

// The plain text of the whole file.
QString ReadPdfText(const QString& pdfPath, QString* error = nullptr);

}  // namespace tessarine::testing
