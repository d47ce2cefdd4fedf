// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include "calendar/text_catalog.h"

namespace tessarine {

// Installs the program's translation and Qt's own (the standard buttons) for
// the first of the user's languages that the program speaks, as Qt reads
// them from LANGUAGE, LC_ALL, LC_MESSAGES and LANG. English is the source
// language: met first, it ends the search. Returns the language installed,
// such as "de", or an empty string for English. Needs the application object.
QString InstallTranslations();

// The same search for a list of languages such as QLocale::uiLanguages()
// gives ("de-DE", "fr").
QString InstallTranslations(const QStringList& uiLanguages);

// The core's texts through the installed translations.
TextTranslator QtTextTranslator();

}  // namespace tessarine
