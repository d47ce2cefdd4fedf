// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/help_page.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tessarine {

QStringList HelpPageFolders(const QString& executableFolder) {
    QStringList folders{QDir::currentPath()};
    // The generic locations rather than the application ones: the latter
    // append the display name "Tessarine", while the data folder installed
    // is named like the package.
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        folders << QDir(data).filePath(QStringLiteral("tessarine"));
    }
    const QDir executable(executableFolder);
    folders << QDir::cleanPath(executable.filePath(QStringLiteral("../share/tessarine")))
            << executable.path();
    return folders;
}

QString HelpPageFolder(const QString& page, const QStringList& folders) {
    for (qsizetype i = 0; i < folders.size(); ++i) {
        if (QFileInfo(QDir(folders[i]), page).isFile()) {
            return i == 0 ? QString() : folders[i];
        }
    }
    return {};
}

QString HelpPageInLanguage(const QString& translatedPage, const QString& englishPage,
                           const QStringList& folders) {
    for (const QString& folder : folders) {
        if (QFileInfo(QDir(folder), translatedPage).isFile()) return translatedPage;
    }
    return englishPage;
}

}  // namespace tessarine
