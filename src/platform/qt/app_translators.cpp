// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/app_translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tessarine {

namespace {

// Where qt_add_translations puts the compiled translations.
constexpr char kOwnTranslations[] = ":/i18n";

// "de-DE" -> "de_DE", the form of the file names.
QString FileLanguage(const QString& uiLanguage) {
    return QString(uiLanguage).replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool IsEnglish(const QString& language) {
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

// Loads "<name>_<language>.qm" from folder, trying "de_DE" before "de".
// The translator lives as long as the application.
bool InstallFrom(const QString& folder, const QString& name, const QString& language) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (QString tried = language; !tried.isEmpty();
         tried = tried.section(QLatin1Char('_'), 0, -2)) {
        if (translator->load(name + QLatin1Char('_') + tried, folder)) {
            return QCoreApplication::installTranslator(translator);
        }
    }
    delete translator;
    return false;
}

}  // namespace

QString InstallTranslations() {
    return InstallTranslations(QLocale::system().uiLanguages());
}

QString InstallTranslations(const QStringList& uiLanguages) {
    for (const QString& uiLanguage : uiLanguages) {
        const QString language = FileLanguage(uiLanguage);
        if (IsEnglish(language)) return {};
        if (InstallFrom(QString::fromLatin1(kOwnTranslations), QStringLiteral("tessarine"),
                        language)) {
            InstallFrom(QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                        QStringLiteral("qtbase"), language);
            return language.section(QLatin1Char('_'), 0, 0);
        }
    }
    return {};
}

TextTranslator QtTextTranslator() {
    return [](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    };
}

}  // namespace tessarine
