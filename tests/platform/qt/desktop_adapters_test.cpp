// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/app_style.h"
#include "platform/qt/font_setup.h"
#include "platform/qt/picture_prefetch.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_shell.h"
#include "platform/qt/system_locale_names.h"

using namespace tessarine;

class DesktopAdaptersTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { SetUpFontSubstitutes(); }

    // The menu bar's overflow arrow is drawn, not read from image files: on
    // a clear background, with ink, each pointing its own way.
    void menuBarOverflowArrowsAreDrawnOnAClearBackground() {
        AppStyle style;
        const auto draw = [&style](QStyle::StandardPixmap which) {
            return style.standardIcon(which).pixmap(QSize(16, 16)).toImage();
        };
        const QImage across = draw(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QImage down = draw(QStyle::SP_ToolBarVerticalExtensionButton);
        for (const QImage& arrow : {across, down}) {
            QCOMPARE(arrow.size(), QSize(16, 16));
            int ink = 0;
            for (int y = 0; y < 16; ++y) {
                for (int x = 0; x < 16; ++x) ink += qAlpha(arrow.pixel(x, y)) > 128 ? 1 : 0;
            }
            QVERIFY(ink >= 8);
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)}) {
                QCOMPARE(qAlpha(arrow.pixel(corner)), 0);
            }
        }
        QVERIFY(across != down);
    }

    // Without an installed face Qt draws no text at all and every other
    // widget test would still pass.
    void askedForFacesResolveToInstalledSansFamilies_data() {
        QTest::addColumn<QString>("asked");
        QTest::newRow("screen") << QStringLiteral("MS Sans Serif");
        QTest::newRow("print") << QStringLiteral("Arial");
    }
    void askedForFacesResolveToInstalledSansFamilies() {
        QFETCH(QString, asked);
        QFont font(asked);
        font.setPixelSize(14);
        const QString family = QFontInfo(font).family();
        QVERIFY2(!family.isEmpty(), "no face at all");
        QVERIFY2(QFontDatabase::families().contains(family), qPrintable(family));
        QVERIFY2(family.contains(QStringLiteral("Sans")) || family == QStringLiteral("Arimo") ||
                     family == QStringLiteral("Arial"),
                 qPrintable(family));
        QVERIFY(QFontMetrics(font).horizontalAdvance(QStringLiteral("March 2025")) > 0);
        // Left to itself the font matcher picks whatever face it likes best;
        // the metric twin of the faces the layout was drawn for is wanted.
        if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
            QCOMPARE(family, QStringLiteral("Liberation Sans"));
        }
    }

    void englishNamesStartWithSunday() {
        const LocaleNames names = LocaleNamesOf(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(names, EnglishLocaleNames());
    }

    void germanNamesInCalendarOrder() {
        const LocaleNames names = LocaleNamesOf(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(names.longMonthNames[0], std::string("Januar"));
        QCOMPARE(names.longMonthNames[2], std::string("M\u00e4rz"));
        QCOMPARE(names.longMonthNames[11], std::string("Dezember"));
        QCOMPARE(names.longDayNames[0], std::string("Sonntag"));
        QCOMPARE(names.longDayNames[1], std::string("Montag"));
        QCOMPARE(names.longDayNames[6], std::string("Samstag"));
        for (const std::string& name : names.shortDayNames) {
            QVERIFY(!name.empty());
        }
    }

    // A month heading names the month on its own, not "of March".
    void monthNamesAreTheStandAloneForms() {
        const QLocale russian(QLocale::Russian, QLocale::Russia);
        const LocaleNames names = LocaleNamesOf(russian);
        QCOMPARE(QString::fromStdString(names.longMonthNames[2]),
                 russian.standaloneMonthName(3, QLocale::LongFormat));
        QVERIFY(QString::fromStdString(names.longMonthNames[2]) != russian.monthName(3));
    }

    // Pictures decoded ahead are the ones read on the spot, each handed over
    // once; one taken twice, or never asked for, is read on the spot.
    void prefetchedPicturesAreTheOnesReadDirectly() {
        const QSize glyph(16, 16);
        std::vector<PictureKey> keys = WindowIconKeys(kAppIconPicture);
        for (const PictureKey& key : PictureIconKeys(kHelpGlyph, glyph)) keys.push_back(key);
        PicturePrefetch prefetch(keys);
        for (const PictureKey& key : keys) {
            const QImage expected = ReadPicture(key.picture, key.logicalSize, key.scale);
            QVERIFY(!expected.isNull());
            QCOMPARE(prefetch.Take(key.picture, key.logicalSize, key.scale), expected);
            QVERIFY(prefetch.Take(key.picture, key.logicalSize, key.scale).isNull());
        }
        QVERIFY(prefetch.Take(kPrintGlyph, glyph, 1).isNull());

        const auto pixels = [](const QIcon& icon, QSize size, qreal ratio) {
            return icon.pixmap(size, ratio).toImage();
        };
        PicturePrefetch again(keys);
        const QIcon prefetched = PictureIcon(kHelpGlyph, glyph, &again);
        const QIcon direct = PictureIcon(kHelpGlyph, glyph);
        const QIcon window = WindowIcon(kAppIconPicture, &again);
        for (const qreal ratio : {1.0, 2.0}) {
            QCOMPARE(pixels(prefetched, glyph, ratio), pixels(direct, glyph, ratio));
        }
        QCOMPARE(window.availableSizes(), WindowIcon(kAppIconPicture).availableSizes());
        // Taken already: read on the spot, the same.
        QCOMPARE(pixels(PictureIcon(kHelpGlyph, glyph, &again), glyph, 2.0),
                 pixels(direct, glyph, 2.0));
    }

    void shellResolvesRelativeDocumentsAgainstCurrentDirectory() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile page(dir.filePath(QStringLiteral("tessarine4.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();

        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        const QUrl target = ShellTarget("tessarine4.html", "");
        QDir::setCurrent(previous);

        QCOMPARE(target, QUrl::fromLocalFile(QDir(dir.path()).filePath("tessarine4.html")));
    }

    void shellResolvesAgainstAGivenDirectory() {
        QTemporaryDir dir;
        QFile page(dir.filePath(QStringLiteral("page.html")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        QCOMPARE(ShellTarget("page.html", dir.path().toStdString()),
                 QUrl::fromLocalFile(QDir(dir.path()).filePath("page.html")));
    }

    void shellOpensNothingForAMissingDocumentOrAnEmptyName() {
        QTemporaryDir dir;
        QVERIFY(ShellTarget("tessarine4.html", dir.path().toStdString()).isEmpty());
        QVERIFY(ShellTarget("", "").isEmpty());
    }

    void shellPassesWebAddressesThrough() {
        QCOMPARE(ShellTarget("https://example.org/donate?x=1", ""),
                 QUrl(QStringLiteral("https://example.org/donate?x=1")));
        QCOMPARE(ShellTarget("mailto:someone@example.org", "").scheme(), QStringLiteral("mailto"));
    }
};

QTEST_MAIN(DesktopAdaptersTest)
#include "desktop_adapters_test.moc"
