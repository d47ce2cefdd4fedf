// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/qt/cups_pdf_output.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace tessarine::testing {

QString CupsPdfFolder() {
    QString out = QStringLiteral("${HOME}/PDF");
    QFile conf(QStringLiteral("/etc/cups/cups-pdf.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        const QRegularExpression line(QStringLiteral("^\\s*Out\\s+(\\S.*)$"));
        for (const QString& text : QString::fromLocal8Bit(conf.readAll()).split('\n')) {
            const QRegularExpressionMatch match = line.match(text);
            if (match.hasMatch()) {
                out = match.captured(1).trimmed();
            }
        }
    }
    out.replace(QStringLiteral("${HOME}"), QDir::homePath());
    out.replace(QStringLiteral("${USER}"),
                qEnvironmentVariable("USER", qEnvironmentVariable("LOGNAME")));
    return out;
}

QStringList PdfFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
}

QString QueueDevice(const QString& queue) {
    QProcess process;
    process.start(QStringLiteral("lpstat"), {QStringLiteral("-v"), queue});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

}  // namespace tessarine::testing
