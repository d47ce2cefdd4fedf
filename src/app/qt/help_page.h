// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tessarine {

// Where the help page is looked for, best first: the working directory (so
// that a page next to where the program was started still wins), the data
// folders of an installation (<data dir>/tessarine, such as
// /usr/share/tessarine), the data folder of a relocated installation
// (<bin>/../share/tessarine), then the folder of the executable itself,
// where an uninstalled build keeps its copy.
QStringList HelpPageFolders(const QString& executableFolder);

// The first of folders that holds page, to hand to the shell with the
// page's name. Empty when the first folder (the working directory) holds it,
// and when none does: the shell then opens nothing, as before.
QString HelpPageFolder(const QString& page, const QStringList& folders);

// The page in the user's language when one of folders holds it, otherwise
// the English page.
QString HelpPageInLanguage(const QString& translatedPage, const QString& englishPage,
                           const QStringList& folders);

}  // namespace tessarine
