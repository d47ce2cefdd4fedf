// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace tessarine {

namespace {

// A scheme of at least two letters, so that a drive-like "c:" or a plain
// name with a colon further on is still taken for a file.
bool LooksLikeWebAddress(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(text).hasMatch();
}

}  // namespace

QUrl ShellTarget(const std::string& file, const std::string& directory) {
    const QString name = QString::fromStdString(file);
    if (name.isEmpty()) {
        return {};
    }
    if (LooksLikeWebAddress(name)) {
        const QUrl url(name);
        return url.isValid() ? url : QUrl();
    }
    const QDir base = directory.empty() ? QDir::current() : QDir(QString::fromStdString(directory));
    const QFileInfo info(base, name);
    // A missing document would only make the desktop's handler complain in
    // its own words; a missing page is meant to pass without a message.
    if (!info.exists()) {
        return {};
    }
    return QUrl::fromLocalFile(info.absoluteFilePath());
}

void QtShell::Open(const std::string& file, const std::string& /*parameters*/, int /*showCommand*/,
                   const std::string& directory) {
    const QUrl target = ShellTarget(file, directory);
    if (target.isEmpty()) {
        return;
    }
    QDesktopServices::openUrl(target);
}

}  // namespace tessarine
