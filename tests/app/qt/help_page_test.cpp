// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/help_page.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessarine;

// The folders a started program can see, each under one temporary root.
namespace {
const QStringList kPlaces = {"cwd", "user-data/tessarine", "system-data/tessarine",
                             "prefix/share/tessarine", "prefix/bin"};
}

class HelpPageTest : public QObject {
    Q_OBJECT
  private slots:
    void firstFolderHoldingThePageIsOpened_data() {
        QTest::addColumn<QStringList>("holding");
        QTest::addColumn<QString>("opened");  // "" hands the bare name to the shell
        QTest::newRow("working directory before everything") << kPlaces << QString();
        QTest::newRow("started from the menu: installed data folder")
            << QStringList{"system-data/tessarine", "prefix/share/tessarine", "prefix/bin"}
            << QStringLiteral("system-data/tessarine");
        QTest::newRow("user's data folder before the system's")
            << QStringList{"user-data/tessarine", "system-data/tessarine"}
            << QStringLiteral("user-data/tessarine");
        QTest::newRow("prefix outside the data folders")
            << QStringList{"prefix/share/tessarine", "prefix/bin"}
            << QStringLiteral("prefix/share/tessarine");
        QTest::newRow("uninstalled build")
            << QStringList{"prefix/bin"} << QStringLiteral("prefix/bin");
        QTest::newRow("nowhere") << QStringList{} << QString();
    }
    void firstFolderHoldingThePageIsOpened() {
        QFETCH(QStringList, holding);
        QFETCH(QString, opened);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        for (const QString& place : kPlaces) {
            QVERIFY(QDir(root.path()).mkpath(place));
        }
        for (const QString& place : holding) {
            QFile page(root.filePath(place + QStringLiteral("/tessarine4.html")));
            QVERIFY(page.open(QIODevice::WriteOnly));
        }
        // A folder that merely bears the page's name is not the page.
        if (!holding.contains(QStringLiteral("cwd"))) {
            QVERIFY(QDir(root.filePath(QStringLiteral("cwd")))
                        .mkdir(QStringLiteral("tessarine4.html")));
        }
        qputenv("XDG_DATA_HOME", root.filePath(QStringLiteral("user-data")).toLocal8Bit());
        qputenv("XDG_DATA_DIRS", root.filePath(QStringLiteral("system-data")).toLocal8Bit());
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(root.filePath(QStringLiteral("cwd"))));
        const QString folder =
            HelpPageFolder(QStringLiteral("tessarine4.html"),
                           HelpPageFolders(root.filePath(QStringLiteral("prefix/bin"))));
        QDir::setCurrent(previous);

        QCOMPARE(folder, opened.isEmpty() ? QString() : root.filePath(opened));
    }

    // A translated page anywhere wins; without one the English page is opened.
    void pageInTheUserLanguageWhenThereIsOne() {
        QTemporaryDir root;
        QVERIFY(root.isValid());
        const QStringList folders{root.filePath(QStringLiteral("cwd")),
                                  root.filePath(QStringLiteral("share"))};
        for (const QString& folder : folders) QVERIFY(QDir().mkpath(folder));
        QFile page(root.filePath(QStringLiteral("share/tessarine4_de.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        const QString english = QStringLiteral("tessarine4.html");
        QCOMPARE(HelpPageInLanguage(QStringLiteral("tessarine4_de.html"), english, folders),
                 QStringLiteral("tessarine4_de.html"));
        QCOMPARE(HelpPageInLanguage(QStringLiteral("tessarine4_fr.html"), english, folders),
                 english);
    }
};

QTEST_GUILESS_MAIN(HelpPageTest)
#include "help_page_test.moc"
