// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language: started under a German locale it shows
// German menus and Qt's own German buttons; in every language the .ts files
// are complete, every menu and dialog keeps its accelerator letters unique,
// and no fixed-size caption or window title is cut off.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>
#include <functional>
#include <memory>

#include "app/qt/main_form.h"
#include "dialogs/qt/calendars_form.h"
#include "dialogs/qt/date_diff_form.h"
#include "dialogs/qt/donate_form.h"
#include "dialogs/qt/enter_date_form.h"
#include "platform/qt/app_translators.h"
#include "platform/qt/font_setup.h"
#include "print/qt/print_sel_dialog.h"
#include "support/recording_shell.h"

using namespace tessarine;

namespace {

const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

void RemoveTranslations() {
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// The letter after a single "&", lower-cased; none for "&&" or no "&".
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Fails naming the texts that share a letter.
void CheckUniqueMnemonics(const QString& where, const QStringList& texts) {
    QHash<QChar, QString> seen;
    for (const QString& text : texts) {
        const QChar letter = Mnemonic(text);
        if (letter.isNull()) continue;
        QVERIFY2(!seen.contains(letter),
                 qPrintable(where + QStringLiteral(": \"") + seen.value(letter) +
                            QStringLiteral("\" and \"") + text + QStringLiteral("\"")));
        seen.insert(letter, text);
    }
}

QStringList ActionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) texts << action->text();
    return texts;
}

// Window managers draw a title in a bold face of the desktop's font, beside
// the window's icon and its three buttons; with the frame's margins these
// take about five title bars' heights. A fixed-size window cannot be widened
// to show the rest.
void CheckTitle(const QString& where, const QWidget& window) {
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint)) return;
    QFont font = QApplication::font();
    font.setBold(true);
    const int room = window.width() - 5 * window.style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const int needed = QFontMetrics(font).horizontalAdvance(window.windowTitle());
    QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1 cuts off its title \"%2\" (%3 of %4 "
                                                       "pixels)")
                                            .arg(where, window.windowTitle())
                                            .arg(room)
                                            .arg(needed)));
}

// Button and label captions of a shown window, with whether each fits its
// widget. One-letter captions are glyphs drawn to fit their button.
void CheckCaptions(const QString& where, QWidget& window) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList texts;
    QStringList cutOff;
    const auto check = [&](const QWidget& widget, const QString& text) {
        texts << text;
        if (text.size() > 1 && widget.sizeHint().width() > widget.width()) {
            cutOff << QStringLiteral("\"%1\" (%2 of %3 pixels)")
                          .arg(text)
                          .arg(widget.width())
                          .arg(widget.sizeHint().width());
        }
    };
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        check(*button, button->text());
    }
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->wordWrap()) check(*label, label->text());
    }
    CheckTitle(where, window);
    QVERIFY2(cutOff.isEmpty(),
             qPrintable(where + QStringLiteral(" cuts off ") + cutOff.join(QStringLiteral(", "))));
    CheckUniqueMnemonics(where, texts);
}

QString TranslationsFolder() {
    return QDir(qEnvironmentVariable("TESSARINE_SOURCE_DIR"))
        .filePath(QStringLiteral("translations"));
}

QStringList Placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (const auto& match : placeholder.globalMatch(text)) found << match.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(registryDir_.isValid());
        qputenv("TESSARINE_REGISTRY_DIR", registryDir_.path().toLocal8Bit());
        SetUpFontSubstitutes();
    }

    // main() set a German environment before the application started, and
    // the translations are installed the way the program does it.
    void germanEnvironmentShowsGermanMenus() {
        QCOMPARE(InstallTranslations(), QStringLiteral("de"));
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        QCOMPARE(ActionTexts(form.menuBar()->actions()),
                 (QStringList{QStringLiteral("&Datei"), QStringLiteral("Da&tum"),
                              QStringLiteral("&Optionen"), QStringLiteral("&Hilfe")}));
        QCOMPARE(form.windowTitle(), QStringLiteral("Tessarine - Freeware-Ausgabe"));
        // Qt's own translations, for the standard buttons of message boxes.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
        RemoveTranslations();
    }

    void englishNeedsNoTranslation() {
        QCOMPARE(InstallTranslations({QStringLiteral("en-GB"), QStringLiteral("de")}), QString());
        QCOMPARE(InstallTranslations({QStringLiteral("pt-BR")}), QString());
        QVERIFY(qApp->findChildren<QTranslator*>().isEmpty());
    }

    void tsFilesAreComplete() {
        for (const QString& language : kLanguages) {
            const QString path = TranslationsFolder() + QStringLiteral("/tessarine_") + language +
                                 QStringLiteral(".ts");
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            QXmlStreamReader xml(&file);
            QString source;
            int messages = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement) continue;
                if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                } else if (xml.name() == QLatin1String("translation")) {
                    const QString type = xml.attributes().value(QLatin1String("type")).toString();
                    const QString translation = xml.readElementText();
                    const QString where = language + QStringLiteral(": ") + source;
                    QVERIFY2(type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + type));
                    QVERIFY2(!translation.isEmpty(), qPrintable(where));
                    QVERIFY2(Placeholders(translation) == Placeholders(source), qPrintable(where));
                    ++messages;
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(path + xml.errorString()));
            QVERIFY2(messages > 0, qPrintable(path));
        }
    }

    void everyLanguageKeepsMnemonicsAndCaptions() {
        for (const QString& language : QStringList{QStringLiteral("en")} + kLanguages) {
            if (language != QLatin1String("en")) {
                QCOMPARE(InstallTranslations({language}), language);
            }
            CheckMainWindow(language);
            CheckDialogs(language);
            RemoveTranslations();
        }
    }

  private:
    void CheckMainWindow(const QString& language) {
        RecordingShell shell;
        TjulCalMainForm form(&shell);
        CheckUniqueMnemonics(language + QStringLiteral(" menu bar"),
                             ActionTexts(form.menuBar()->actions()));
        for (const QMenu* menu : form.findChildren<QMenu*>()) {
            CheckUniqueMnemonics(language + QLatin1Char(' ') + menu->objectName(),
                                 ActionTexts(menu->actions()));
        }
        CheckCaptions(language + QStringLiteral(" main window"), form);
    }

    void CheckDialogs(const QString& language) {
        std::string entered;
        TenterDateForm enterDate(nullptr, entered, {});
        CheckCaptions(language + QStringLiteral(" go to date"), enterDate);
        PrintJobState job;
        TprintSelDialog printSel(nullptr, job, {});
        CheckCaptions(language + QStringLiteral(" print"), printSel);
        const DateSerial day = EncodeDateSerial(2026, 12, 24);
        TDateDiffForm dateDiff(nullptr, day, day, day, ColorSet{}, {});
        CheckCaptions(language + QStringLiteral(" date differences"), dateDiff);
        RecordingShell shell;
        DonationReminder reminder = DonationReminder::NothingStored(day);
        TDonateForm donate(nullptr, reminder, DonationServices{&shell, [day] { return day; }, {}});
        CheckCaptions(language + QStringLiteral(" donation"), donate);
        CalendarSources sources;
        TCalendarsForm calendars(nullptr, sources, {}, {});
        CheckCaptions(language + QStringLiteral(" calendars"), calendars);
    }

    QTemporaryDir registryDir_;
};

int main(int argc, char* argv[]) {
    // As a German user starts it: the locale comes from the environment.
    qputenv("LANGUAGE", "de");
    qputenv("LANG", "de_DE.UTF-8");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    QApplication application(argc, argv);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "translations_test.moc"
