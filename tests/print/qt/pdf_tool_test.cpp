// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built tessarine-pdf and checks the pages it writes, read back with
// pdftotext -bbox. The inch geometry is checked on pages with embedded fonts,
// whose text boxes readers take from the fonts themselves; the standard-font
// pages are held to those, word for word.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <tuple>

#include "calendar/date_serial.h"
#include "support/qt/pdf_text_helpers.h"
#include "support/scoped_locale.h"

using tessarine::testing::PdfPage;
using tessarine::testing::PdfWord;
using tessarine::testing::ReadPdfWords;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

const QString kTool = QStringLiteral("tessarine-pdf");
const QString kEmbedder = QStringLiteral("tessarine-pdf-embed");

QString ToolPath(const QString& program = kTool) {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../") + program);
}

struct RunOptions {
    QString workingDirectory;
    QString locale = QStringLiteral("C.UTF-8");  // the user's, as in "de_DE.UTF-8"
    QString program = kTool;
    QString embedder;  // for TESSARINE_PDF_EMBEDDER
};

ToolRun RunTool(const QStringList& arguments, const RunOptions& options) {
    const QString& workingDirectory = options.workingDirectory;
    const QString& locale = options.locale;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TESSARINE_PDF_EMBEDDER"));
    if (!options.embedder.isEmpty()) {
        environment.insert(QStringLiteral("TESSARINE_PDF_EMBEDDER"), options.embedder);
    }
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
    if (!workingDirectory.isEmpty()) {
        process.setWorkingDirectory(workingDirectory);
    }
    process.start(ToolPath(options.program), arguments);
    ToolRun run;
    if (!process.waitForStarted(10000) || !process.waitForFinished(60000)) {
        run.err = QStringLiteral("could not run ") + ToolPath(options.program);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

ToolRun RunTool(const QStringList& arguments) {
    return RunTool(arguments, RunOptions());
}

RunOptions InDirectory(const QString& directory) {
    RunOptions options;
    options.workingDirectory = directory;
    return options;
}

// Pages with the system's fonts embedded.
ToolRun RunEmbedder(const QStringList& arguments) {
    RunOptions options;
    options.program = kEmbedder;
    return RunTool(arguments, options);
}

// The first difference between two files' words: the same words on the same
// pages, placed within `tolerance` points, their widths within a point more
// for the embedded face's kerning.
QString CompareWords(const QList<PdfPage>& actual, const QList<PdfPage>& expected,
                     double tolerance) {
    if (actual.size() != expected.size()) {
        return QStringLiteral("%1 pages, not %2").arg(actual.size()).arg(expected.size());
    }
    const auto byPlace = [](QList<PdfWord> words) {
        std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
            return std::tuple(qRound(a.yMax), qRound(a.xMin), a.text) <
                   std::tuple(qRound(b.yMax), qRound(b.xMin), b.text);
        });
        return words;
    };
    for (qsizetype i = 0; i < actual.size(); ++i) {
        const QList<PdfWord> mine = byPlace(actual[i].words);
        const QList<PdfWord> theirs = byPlace(expected[i].words);
        if (mine.size() != theirs.size()) {
            return QStringLiteral("page %1: %2 words, not %3")
                .arg(i + 1)
                .arg(mine.size())
                .arg(theirs.size());
        }
        for (qsizetype w = 0; w < mine.size(); ++w) {
            const PdfWord& a = mine[w];
            const PdfWord& b = theirs[w];
            // Left, right or centred: one end in place, and the width within
            // what kerning makes of it.
            const double ends = std::min(qAbs(a.xMin - b.xMin), qAbs(a.xMax - b.xMax));
            const double widths = qAbs((a.xMax - a.xMin) - (b.xMax - b.xMin));
            if (a.text != b.text || ends > tolerance || widths > tolerance + 1 ||
                qAbs(a.yMax - b.yMax) > tolerance) {
                return QStringLiteral("page %1: %2 at %3,%4 where %5 is at %6,%7")
                    .arg(i + 1)
                    .arg(a.text)
                    .arg(a.xMin)
                    .arg(a.yMax)
                    .arg(b.text)
                    .arg(b.xMin)
                    .arg(b.yMax);
            }
        }
    }
    return {};
}

enum class Days { DayOfYear, Julian, None };

// The Month View's geometry on a PDF sheet (no unprintable strips): 0.75-inch
// margins, 7 columns, a header band and six week rows.
struct MonthGeometry {
    double L = 0.75, T = 0.75, W = 0, H = 0, P = 0, Q = 0;

    explicit MonthGeometry(const PdfPage& page) {
        W = page.width / 72.0 - 1.5;
        H = page.height / 72.0 - 1.5;
        P = W / 7;
        Q = H / 7;
    }
};

bool Near(double actual, double expected, double tolerance) {
    return qAbs(actual - expected) <= tolerance;
}

// Checks one printed month page; reports the first difference.
QString CheckMonthPage(const PdfPage& page, int year, int month, Days days) {
    using namespace tessarine;
    const MonthGeometry g(page);
    const LocaleNames& names = EnglishLocaleNames();
    const auto pt = [](double inches) { return inches * 72.0; };

    PdfWord title;
    const QString monthName = QString::fromStdString(names.longMonthNames[month - 1]);
    if (!page.FindPhrase({monthName, QString::number(year)}, title)) {
        return QStringLiteral("no title %1 %2").arg(monthName).arg(year);
    }
    if (!Near((title.xMin + title.xMax) / 2, page.width / 2, 1.0) ||
        !Near(title.yMin, pt(g.T + 0.02), 1.0)) {
        return QStringLiteral("title at %1,%2").arg(title.xMin).arg(title.yMin);
    }
    for (int i = 0; i < 7; ++i) {
        const QString day = QString::fromStdString(names.shortDayNames[i]);
        const QList<PdfWord> found = page.All(day);
        if (found.size() != 1 ||
            !Near((found[0].xMin + found[0].xMax) / 2, pt(g.L + i * g.P + g.P / 2), 1.0) ||
            !Near(found[0].yMax, pt(g.T + g.Q - 0.02), 1.5)) {
            return QStringLiteral("weekday %1 misplaced").arg(day);
        }
    }
    PdfWord footer;
    if (!page.FindPhrase({QStringLiteral("Month"), QStringLiteral("View")}, footer) ||
        !Near(footer.xMin, pt(g.L), 0.5) || !Near(footer.yMin, pt(g.T + g.H + 0.02), 1.0)) {
        return QStringLiteral("footer label misplaced");
    }

    const DateSerial first = EncodeDateSerial(year, month, 1);
    const int offset = WeekdaySundayFirst(first) - 1;
    const int length = MonthLength(year, month);
    for (int day = 1; day <= length; ++day) {
        const int n = offset + day - 1;
        const int j = n % 7;
        const int k = n / 7 + 1;
        const double left = g.L + j * g.P;
        const double top = g.T + k * g.Q;
        bool placed = false;
        for (const PdfWord& word : page.All(QString::number(day))) {
            placed = placed || (Near(word.xMin, pt(left + 0.02), 0.5) &&
                                Near(word.yMin, pt(top + 0.02), 1.0));
        }
        if (!placed) {
            return QStringLiteral("day %1 not at column %2, row %3").arg(day).arg(j).arg(k);
        }
        const DateSerial date = first + (day - 1);
        QStringList label;
        if (days == Days::Julian) {
            label = {QString::number(ChronologicalJulianDayNumber(year, month, day))};
        } else if (days == Days::DayOfYear) {
            label = {QString::number(year), QString::number(DayOfYear(date))};
        } else {
            continue;
        }
        bool labelled = false;
        for (const PdfWord& word : page.words) {
            if (word.text != label.last() || !Near(word.xMax, pt(left + g.P - 0.02), 0.5) ||
                !Near(word.yMax, pt(top + g.Q - 0.02), 1.5)) {
                continue;
            }
            labelled = true;
        }
        PdfWord phrase;
        if (!labelled || (label.size() == 2 && !page.FindPhrase(label, phrase))) {
            return QStringLiteral("label %1 of day %2 misplaced").arg(label.join(' ')).arg(day);
        }
    }
    return {};
}

}  // namespace

class PdfToolTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        for (const QString& program : {kTool, kEmbedder}) {
            QVERIFY2(QFileInfo(ToolPath(program)).isExecutable(),
                     qPrintable(QStringLiteral("build the tessarine-pdf target first: ") +
                                ToolPath(program)));
        }
        QString error;
        ReadPdfWords(QStringLiteral("/nonexistent.pdf"), &error);
        QVERIFY2(!error.contains(QStringLiteral("could not start")), qPrintable(error));
    }

    void pagesMatchTheInchGeometry_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("days");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("February 2015, starts on Sunday")
            << QStringList{"--date", "2015-02-14"} << 2015 << 2 << int(Days::DayOfYear) << false;
        QTest::newRow("March 2025, starts on Saturday")
            << QStringList{"--date", "2025-03-31"} << 2025 << 3 << int(Days::DayOfYear) << false;
        QTest::newRow("January 2000, Julian Day Numbers")
            << QStringList{"--date", "2000-01-01", "--days", "jdn"} << 2000 << 1
            << int(Days::Julian) << false;
        QTest::newRow("December 2024, day of year")
            << QStringList{"--date", "2024-12-31", "--days", "doy"} << 2024 << 12
            << int(Days::DayOfYear) << false;
        QTest::newRow("no second line") << QStringList{"--date", "2024-02-29", "--days", "none"}
                                        << 2024 << 2 << int(Days::None) << false;
        QTest::newRow("wide format")
            << QStringList{"--date", "2025-03-01", "--format", "Monthly View (wide format)"} << 2025
            << 3 << int(Days::DayOfYear) << true;
    }

    void pagesMatchTheInchGeometry() {
        QFETCH(QStringList, arguments);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, days);
        QFETCH(bool, landscape);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        const ToolRun run =
            RunEmbedder(arguments + QStringList{"--paper", "letter", "--output", pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QString error;
        const QList<PdfPage> pages = ReadPdfWords(pdf, &error);
        QVERIFY2(pages.size() == 1, qPrintable(error));
        QCOMPARE(pages[0].width, landscape ? 792.0 : 612.0);
        QCOMPARE(pages[0].height, landscape ? 612.0 : 792.0);
        const QString problem = CheckMonthPage(pages[0], year, month, Days(days));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        if (Days(days) == Days::None) {
            QVERIFY(pages[0].All(QStringLiteral("2024")).size() == 1);  // the title only
        }
    }

    // A planner and a year layout: titles centred on the page, footer labels
    // at the left margin under the content area, box texts 0.02 inch inside
    // their cell of the content area cut into columns x rows.
    void plannerAndYearPagesInBothOrientations() {
        struct Placed {
            const char* text;
            int column, row, columns, rows;
        };
        struct Layout {
            int format;
            const char* date;
            const char* title;
            const char* footer;
            QList<Placed> placed;
        };
        const QList<Layout> layouts{
            {4,
             "2025-03-05",
             "March 3, 2025 to March 9, 2025",
             "Weekly Planner",
             {{"Monday", 0, 1, 2, 9}, {"Notes", 1, 7, 2, 9}}},
            {10,
             "2025-06-15",
             "2025",
             "Yearly Planner",
             {{"January", 0, 2, 42, 14}, {"F", 9, 1, 42, 14}, {"31", 37, 2, 42, 14}}}};
        const auto pt = [](double inches) { return inches * 72.0; };
        for (const Layout& layout : layouts) {
            for (const int format : {layout.format, layout.format + 1}) {
                QTemporaryDir dir;
                const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
                const ToolRun run =
                    RunEmbedder({"--format", QString::number(format), "--date", layout.date,
                                 "--paper", "letter", "--output", pdf});
                QVERIFY2(run.exitCode == 0, qPrintable(run.err));
                const QList<PdfPage> pages = ReadPdfWords(pdf);
                QCOMPARE(pages.size(), 1);
                const PdfPage& page = pages[0];
                QCOMPARE(page.width, format % 2 == 1 ? 792.0 : 612.0);
                const MonthGeometry g(page);
                PdfWord box;
                QVERIFY2(page.FindPhrase(QString(layout.title).split(' '), box) &&
                             Near((box.xMin + box.xMax) / 2, page.width / 2, 1.0) &&
                             Near(box.yMin, pt(g.T + 0.02), 1.0),
                         layout.title);
                QVERIFY2(page.FindPhrase(QString(layout.footer).split(' '), box) &&
                             Near(box.xMin, pt(g.L), 0.5) &&
                             Near(box.yMin, pt(g.T + g.H + 0.02), 1.0),
                         layout.footer);
                for (const Placed& text : layout.placed) {
                    const double x = pt(g.L + text.column * g.W / text.columns + 0.02);
                    const double y = pt(g.T + text.row * g.H / text.rows + 0.02);
                    bool found = false;
                    for (const PdfWord& word : page.All(text.text)) {
                        found = found || (Near(word.xMin, x, 0.5) && Near(word.yMin, y, 1.0));
                    }
                    QVERIFY2(
                        found,
                        qPrintable(QStringLiteral("%1 in format %2").arg(text.text).arg(format)));
                }
            }
        }
    }

    void dayOfYearLabelsCarryNoLeadingZeros() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("jan.pdf"));
        QCOMPARE(RunEmbedder({"--date", "2025-01-09", "--paper", "a4", "--output", pdf}).exitCode,
                 0);
        const QList<PdfPage> pages = ReadPdfWords(pdf);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0].width, 595.0);
        PdfWord box;
        QVERIFY(pages[0].FindPhrase({"2025", "1"}, box));
        QVERIFY(pages[0].All(QStringLiteral("001")).isEmpty());
        QVERIFY(CheckMonthPage(pages[0], 2025, 1, Days::DayOfYear).isEmpty());
    }

    void pagesComeInOrderInOneFile() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("run.pdf"));
        const ToolRun run = RunEmbedder(
            {"--date", "2024-11-20", "--pages", "3", "--paper", "letter", "--output", pdf});
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        QVERIFY(run.err.isEmpty());
        const QList<PdfPage> pages = ReadPdfWords(pdf);
        QCOMPARE(pages.size(), 3);
        QVERIFY(CheckMonthPage(pages[0], 2024, 11, Days::DayOfYear).isEmpty());
        QVERIFY(CheckMonthPage(pages[1], 2024, 12, Days::DayOfYear).isEmpty());
        QVERIFY(CheckMonthPage(pages[2], 2025, 1, Days::DayOfYear).isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"run.pdf"});
    }

    // Every format in both sheet sizes, two sheets each.
    void standardFontPagesMatchEmbeddedOnes() {
        QTemporaryDir dir;
        for (int format = 0; format < 12; ++format) {
            for (const char* paper : {"letter", "a4"}) {
                const QStringList arguments{"--format", QString::number(format),
                                            "--pages",  "2",
                                            "--date",   "2024-02-27",
                                            "--paper",  paper};
                const QString standard = dir.filePath(QStringLiteral("standard.pdf"));
                const QString embedded = dir.filePath(QStringLiteral("embedded.pdf"));
                const ToolRun run = RunTool(arguments + QStringList{"--output", standard});
                QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(run.err));
                QCOMPARE(RunEmbedder(arguments + QStringList{"--output", embedded}).exitCode, 0);
                QString error;
                const QList<PdfPage> pages = ReadPdfWords(standard, &error);
                QVERIFY2(!pages.isEmpty(), qPrintable(error));
                const QString problem = CompareWords(pages, ReadPdfWords(embedded), 1.0);
                QVERIFY2(
                    problem.isEmpty(),
                    qPrintable(
                        QStringLiteral("format %1, %2: %3").arg(format).arg(paper).arg(problem)));
            }
        }
    }

    // Russian month names are beyond the standard fonts: the embedding
    // writer takes the job, or, when it cannot be started, nothing is written.
    void textBeyondTheStandardFontsIsWrittenWithEmbeddedFonts() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("march.pdf"));
        RunOptions russian;
        russian.locale = QStringLiteral("ru_RU.UTF-8");
        const QStringList arguments{"--date", "2025-03-01", "--output", pdf};
        const ToolRun run = RunTool(arguments, russian);
        QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(run.err));
        QVERIFY(tessarine::testing::ReadPdfText(pdf).contains(QString::fromUtf8("март 2025")));
        QVERIFY(QFile::remove(pdf));
        russian.embedder = dir.filePath(QStringLiteral("no-such-writer"));
        const ToolRun failed = RunTool(arguments, russian);
        QCOMPARE(failed.exitCode, 1);
        QVERIFY2(failed.err.contains(russian.embedder), qPrintable(failed.err));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
        // Pages the standard fonts can draw never need it.
        RunOptions english = russian;
        english.locale = QStringLiteral("C.UTF-8");
        QCOMPARE(RunTool(arguments, english).exitCode, 0);
    }

    // Pages, messages and format names in the user's language: --format takes
    // the translated name in any case, and the first of a month reads as the
    // language writes it.
    void aUserGetsPagesAndMessagesInTheirLanguage() {
        const struct {
            const char* locale;
            const char* format;  // the Weekly Planner by its name, then the date
            const char* date;
            QStringList printed;  // the title, the format's name, a box
            const char* badPages;
            const char* notAFile;  // %1 the folder's path
        } cases[] = {
            {"de_DE.UTF-8",
             "wochenplaner",
             "2024-05-15",
             {"13. Mai 2024 bis 19. Mai 2024", "Wochenplaner", "Notizen"},
             "eine Zahl von 1 bis 13",
             "„%1“ kann nicht geschrieben werden: es ist ein Verzeichnis"},
            {"fr_FR.UTF-8",
             "Agenda hebdomadaire",
             "2025-09-01",
             {"du 1er septembre 2025 au 7 septembre 2025", "Agenda hebdomadaire", "lundi 1er"},
             "doit aller de 1 à 13",
             "impossible d’écrire « %1 » : c’est un dossier"},
            {"es_ES.UTF-8",
             "AGENDA SEMANAL",
             "2025-09-01",
             {"del 1 de septiembre de 2025 al 7 de septiembre de 2025", "Agenda semanal",
              "lunes 1"},
             "un número del 1 al 13",
             "no se puede escribir «%1»: es un directorio"},
        };
        for (const auto& c : cases) {
            // German's decimal comma is what a PDF must not pick up.
            QVERIFY2(tessarine::testing::LocaleInstalled(c.locale),
                     qPrintable(QString(c.locale) + " is missing: run scripts/setup-debian.sh"));
            RunOptions options;
            options.locale = QString::fromUtf8(c.locale);
            QTemporaryDir dir;
            const QString pdf = dir.filePath(QStringLiteral("week.pdf"));
            const ToolRun run = RunTool(
                {"--format", QString::fromUtf8(c.format), "--date", c.date, "--output", pdf},
                options);
            QVERIFY2(run.exitCode == 0, qPrintable(run.err));
            const QString text = tessarine::testing::ReadPdfText(pdf);
            for (const QString& expected : c.printed) {
                QVERIFY2(text.contains(expected), qPrintable(expected + " not in " + text));
            }
            QVERIFY(!text.contains(QStringLiteral("Weekly Planner")));
            const ToolRun bad = RunTool({"--pages", "20", "--output", pdf}, options);
            QCOMPARE(bad.exitCode, 2);
            QVERIFY2(bad.err.contains(QString::fromUtf8(c.badPages)), qPrintable(bad.err));
            // French sets its colon and guillemets apart with no-break spaces.
            const ToolRun folder = RunTool({"--output", dir.path()}, options);
            QCOMPARE(QString(folder.err).replace(QChar(0x00A0), QLatin1Char(' ')),
                     "tessarine-pdf: " + QString::fromUtf8(c.notAFile).arg(dir.path()) + "\n");
            const QRegularExpression listed("^ 4  Weekly Planner +" + c.printed[1] + "$",
                                            QRegularExpression::MultilineOption);
            QVERIFY(listed.match(RunTool({"--list-formats"}, options).out).hasMatch());
        }
    }

    void badArgumentsWriteNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("format number") << QStringList{"--format", "12"} << "format";
        QTest::newRow("format text") << QStringList{"--format", "Daily View"} << "format";
        QTest::newRow("no pages") << QStringList{"--pages", "0"} << "pages";
        QTest::newRow("too many pages") << QStringList{"--pages", "14"} << "pages";
        QTest::newRow("pages not a number") << QStringList{"--pages", "2x"} << "pages";
        QTest::newRow("no such day") << QStringList{"--date", "2023-02-29"} << "does not exist";
        QTest::newRow("before 1582") << QStringList{"--date", "1581-12-31"} << "1582";
        QTest::newRow("after 3000") << QStringList{"--date", "3001-01-01"} << "3000";
        QTest::newRow("date form") << QStringList{"--date", "2024-1-5"} << "YYYY-MM-DD";
        QTest::newRow("days") << QStringList{"--days", "week"} << "days";
        QTest::newRow("paper") << QStringList{"--paper", "legal"} << "paper";
        QTest::newRow("unknown option") << QStringList{"--colour", "red"} << "--colour";
        QTest::newRow("value missing") << QStringList{"--date"} << "--date";
        QTest::newRow("given twice") << QStringList{"--pages", "2", "--pages", "3"} << "twice";
    }

    void badArgumentsWriteNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        QTemporaryDir dir;
        const QString fresh = dir.filePath(QStringLiteral("fresh.pdf"));
        const QString kept = dir.filePath(QStringLiteral("kept.pdf"));
        {
            QFile file(kept);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("keep me");
        }
        const QStringList outputFirst = QStringList{"--output", fresh} + arguments;
        const QStringList outputLast = arguments.contains("--date") && arguments.size() == 1
                                           ? QStringList{"--output", kept} + arguments
                                           : arguments + QStringList{"--output", kept};
        for (const QStringList& args : {outputFirst, outputLast}) {
            const ToolRun run = RunTool(args, InDirectory(dir.path()));
            QCOMPARE(run.exitCode, 2);
            QCOMPARE(run.err.count('\n'), 1);
            QVERIFY2(run.err.contains(named), qPrintable(run.err));
            QVERIFY(run.out.isEmpty());
        }
        QVERIFY(!QFile::exists(fresh));
        QFile file(kept);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.pdf"});
    }

    void missingOutputIsABadArgument() {
        const ToolRun run = RunTool({"--pages", "2"});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains(QStringLiteral("output")));
    }

    void anExistingFileIsReplacedByACompletePdf() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("cal.pdf"));
        {
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old content");
        }
        QCOMPARE(RunTool({"--date", "2030-06-01", "--output", pdf}).exitCode, 0);
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"cal.pdf"});
    }

    void anUnwritablePlaceFailsWithoutLeavingFiles() {
        QTemporaryDir dir;
        const ToolRun run = RunTool({"--output", dir.filePath("missing/sub/x.pdf")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(QStringLiteral("x.pdf")), qPrintable(run.err));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }

    void aDashWritesThePdfToStandardOutput() {
        QTemporaryDir dir;
        const ToolRun run =
            RunTool({"--date", "2030-06-01", "--output", "-"}, InDirectory(dir.path()));
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.out.startsWith(QStringLiteral("%PDF-")));
        QVERIFY(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }

    void informationOptionsStandAlone() {
        const ToolRun list = RunTool({"--list-formats"});
        QCOMPARE(list.exitCode, 0);
        QCOMPARE(list.out.count('\n'), 12);
        QVERIFY(list.out.contains(QStringLiteral("1  Monthly View (wide format)\n")));
        QVERIFY(list.out.contains(QStringLiteral("11  Year Planner (wide format)\n")));
        const ToolRun help = RunTool({"--help"});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("--output FILE.pdf")));
        const ToolRun version = RunTool({"--version"});
        QCOMPARE(version.exitCode, 0);
        QVERIFY(version.out.startsWith(QStringLiteral("tessarine-pdf ")));
        QCOMPARE(RunTool({"--help", "--output", "x.pdf"}).exitCode, 2);
    }
};

QTEST_MAIN(PdfToolTest)
#include "pdf_tool_test.moc"
