// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/qt/pdf_text_helpers.h"

#include <QProcess>
#include <QXmlStreamReader>

namespace tessarine::testing {

namespace {

bool RunPdfToText(const QStringList& arguments, QByteArray& output, QString* error) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), arguments);
    if (!process.waitForStarted(10000)) {
        if (error != nullptr) {
            *error = QStringLiteral("pdftotext could not start (poppler-utils missing?)");
        }
        return false;
    }
    process.waitForFinished(60000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (error != nullptr) {
            *error = QStringLiteral("pdftotext failed: ") +
                     QString::fromLocal8Bit(process.readAllStandardError());
        }
        return false;
    }
    // Poppler reports what it cannot parse (an operator with a decimal
    // comma, a broken cross-reference) on stderr and carries on: a file it
    // had to repair is not one a reader can be given.
    const QByteArray complaints = process.readAllStandardError();
    if (!complaints.isEmpty()) {
        if (error != nullptr) {
            *error =
                QStringLiteral("pdftotext found faults: ") + QString::fromLocal8Bit(complaints);
        }
        return false;
    }
    output = process.readAllStandardOutput();
    return true;
}

}  // namespace

QList<PdfWord> PdfPage::All(const QString& text) const {
    QList<PdfWord> found;
    for (const PdfWord& word : words) {
        if (word.text == text) {
            found.append(word);
        }
    }
    return found;
}

bool PdfPage::FindPhrase(const QStringList& phrase, PdfWord& box) const {
    for (qsizetype i = 0; i + phrase.size() <= words.size(); ++i) {
        bool match = true;
        for (qsizetype k = 0; k < phrase.size() && match; ++k) {
            const PdfWord& word = words[i + k];
            match = word.text == phrase[k] && (k == 0 || qAbs(word.yMin - words[i].yMin) < 0.5);
        }
        if (match) {
            box = words[i];
            box.text = phrase.join(' ');
            box.xMax = words[i + phrase.size() - 1].xMax;
            return true;
        }
    }
    return false;
}

QList<PdfPage> ReadPdfWords(const QString& pdfPath, QString* error) {
    QByteArray xml;
    if (!RunPdfToText({QStringLiteral("-bbox"), pdfPath, QStringLiteral("-")}, xml, error)) {
        return {};
    }
    QList<PdfPage> pages;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto attributes = reader.attributes();
        if (reader.name() == QLatin1String("page")) {
            PdfPage page;
            page.width = attributes.value("width").toDouble();
            page.height = attributes.value("height").toDouble();
            pages.append(page);
        } else if (reader.name() == QLatin1String("word") && !pages.isEmpty()) {
            PdfWord word;
            word.xMin = attributes.value("xMin").toDouble();
            word.yMin = attributes.value("yMin").toDouble();
            word.xMax = attributes.value("xMax").toDouble();
            word.yMax = attributes.value("yMax").toDouble();
            word.text = reader.readElementText();
            pages.last().words.append(word);
        }
    }
    if (reader.hasError() && error != nullptr) {
        *error = QStringLiteral("unreadable pdftotext output: ") + reader.errorString();
    }
    return pages;
}

QString ReadPdfText(const QString& pdfPath, QString* error) {
    QByteArray text;
    if (!RunPdfToText({pdfPath, QStringLiteral("-")}, text, error)) {
        return {};
    }
    return QString::fromUtf8(text);
}

}  // namespace tessarine::testing
