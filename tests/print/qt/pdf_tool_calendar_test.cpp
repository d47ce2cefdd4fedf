// SPDX-License-Identifier: GPL-3.0-or-later
// tessarine-pdf with --calendar: a crowded week from a file lands in its day
// boxes, and a calendar served over HTTP (by a plain web server and by a
// CalDAV server) prints through http:// and webcal://, then from the kept
// copy whichever way the address fails.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "support/qt/pdf_text_helpers.h"

using tessarine::testing::PdfPage;
using tessarine::testing::PdfWord;
using tessarine::testing::ReadPdfText;
using tessarine::testing::ReadPdfWords;

namespace {

struct ToolRun {
    int exitCode = -1;
    QString err;
};

QString SourceFile(const QString& path) {
    return QDir(qEnvironmentVariable("TESSARINE_SOURCE_DIR")).filePath(path);
}

// In UTC and English, with its own cache folder.
ToolRun RunTool(const QStringList& arguments, const QString& cacheHome) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), cacheHome);
    environment.remove(QStringLiteral("LANGUAGE"));
    process.setProcessEnvironment(environment);
    process.start(QDir(QCoreApplication::applicationDirPath()).filePath("../tessarine-pdf"),
                  arguments);
    ToolRun run;
    if (process.waitForStarted(10000) && process.waitForFinished(60000) &&
        process.exitStatus() == QProcess::NormalExit) {
        run.exitCode = process.exitCode();
    }
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A server on a free port of the loopback address, run until the test
// ends or stops it; it says its port in a line matched by `listening`.
class Server {
  public:
    Server(const QString& program, const QStringList& arguments, const QString& folder,
           const QString& listening) {
        process_.setWorkingDirectory(folder);
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.start(program, arguments);
        const QRegularExpression port(listening);
        while (port_.isEmpty() && process_.waitForReadyRead(20000)) {
            said_ += QString::fromUtf8(process_.readAll());
            if (const QRegularExpressionMatch match = port.match(said_); match.hasMatch()) {
                port_ = match.captured(1);
            }
        }
    }
    ~Server() { Stop(); }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // Empty when it could not serve; then Said() tells why.
    QString Port() const { return port_; }
    QString Said() const { return said_ + process_.errorString(); }
    void Stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(10000);
        }
    }

  private:
    QProcess process_;
    QString port_;
    QString said_;
};

// The tests' web server (tests/support/calendar_web_server.py), serving
// `folder`.
struct WebServer : Server {
    explicit WebServer(const QString& folder)
        : Server(QStringLiteral("python3"),
                 {"-u", SourceFile(QStringLiteral("tests/support/calendar_web_server.py"))}, folder,
                 QStringLiteral("port (\\d+)")) {}
};

// A CalDAV server (Debian's radicale) with its collections in `folder` and
// no accounts: anyone may read and write.
struct CalendarServer : Server {
    explicit CalendarServer(const QString& folder)
        : Server(QStringLiteral("radicale"),
                 {"--config", "", "--server-hosts", "127.0.0.1:0", "--storage-filesystem-folder",
                  folder, "--auth-type", "none", "--rights-type", "authenticated",
                  "--logging-level", "info"},
                 folder, QStringLiteral("Listening on '\\[127\\.0\\.0\\.1\\]:(\\d+)'")) {}
};

// curl's answer, with its complaint when the request failed.
bool Curl(const QStringList& arguments, QString& said) {
    QProcess curl;
    curl.setProcessChannelMode(QProcess::MergedChannels);
    curl.start(QStringLiteral("curl"),
               QStringList{"--silent", "--show-error", "--fail"} + arguments);
    const bool ran = curl.waitForStarted(10000) && curl.waitForFinished(30000);
    said = QString::fromUtf8(curl.readAll()) + curl.errorString();
    return ran && curl.exitStatus() == QProcess::NormalExit && curl.exitCode() == 0;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class PdfToolCalendarTest : public QObject {
    Q_OBJECT

  private slots:
    // The Weekly Planner on Letter paper: two columns, nine rows, each day
    // box two rows tall under the one-row band.
    void aCrowdedWeekLandsInItsDayBoxes() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("week.pdf"));
        const ToolRun run =
            RunTool({"--format", "4", "--date", "2025-03-05", "--paper", "letter", "--calendar",
                     SourceFile("docs/calendars/sample-week.ics"), "--output", pdf},
                    dir.path());
        QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(run.err));
        QString error;
        const QList<PdfPage> pages = ReadPdfWords(pdf, &error);
        QVERIFY2(pages.size() == 1, qPrintable(error));
        const PdfPage& page = pages[0];
        const double column = (page.width - 108) / 2;
        const double row = (page.height - 108) / 9;
        struct Line {
            QString text;
            int column, box;  // box 0..3 from the top
        };
        const QList<Line> lines{
            {"Carnival Monday", 0, 0},
            {"09:00 Team standup", 0, 0},
            {"14:30 Dentist", 0, 1},
            // The two events that did not fit, and the last that did.
            {"+3 more", 0, 3},
            {"20:30 Film night", 0, 3},
            {"19:00 Night train to the coast", 1, 0},
            {"Night train to the coast", 1, 1},
            {"Weekend by the sea", 1, 1},
            {"Weekend by the sea", 1, 2},
        };
        for (const Line& line : lines) {
            const double left = 54 + line.column * column;
            const double top = 54 + (1 + 2 * line.box) * row;
            bool found = false;
            for (const PdfWord& word : page.words) {
                PdfWord box;
                const QStringList words = line.text.split(' ');
                if (word.text != words.first() || !Near(word.xMin, left + 1.44) ||
                    word.yMin < top + 18 || word.yMax > top + 2 * row) {
                    continue;
                }
                PdfPage alone{page.width, page.height, {}};
                for (const PdfWord& other : page.words) {
                    if (qAbs(other.yMin - word.yMin) < 1 && other.xMin >= word.xMin &&
                        other.xMax <= left + column) {
                        alone.words.append(other);
                    }
                }
                found = found || (alone.FindPhrase(words, box) && Near(box.xMin, word.xMin) &&
                                  alone.words.size() == words.size());
            }
            QVERIFY2(found, qPrintable(line.text));
        }
        QVERIFY(page.All(QStringLiteral("Water")).isEmpty());
    }

    // Each way an address fails: with a copy kept from before, the pages
    // print from it and say so; without one, the tool names the address and
    // writes nothing. The misbehaving paths answer well until told not to.
    void anAddressThatFailsPrintsItsKeptCopyOrNothing_data() {
        QTest::addColumn<QString>("address");  // after the server's host and port
        QTest::addColumn<QString>("problem");  // a word of the message
        QTest::newRow("unreachable") << "webcal://@/week.ics"
                                     << "refused";
        QTest::newRow("HTTP error") << "http://@/error/week.ics"
                                    << "500";
        QTest::newRow("redirect loop") << "http://@/loop/week.ics"
                                       << "redirects";
        QTest::newRow("endless redirects") << "http://@/endless/week.ics"
                                           << "redirects";
        QTest::newRow("web page") << "webcal://@/page/week.ics"
                                  << "web page";
    }
    void anAddressThatFailsPrintsItsKeptCopyOrNothing() {
        QFETCH(QString, address);
        QFETCH(QString, problem);
        QTemporaryDir served;
        QTemporaryDir cache;
        QTemporaryDir emptyCache;
        QTemporaryDir out;
        QFile sample(SourceFile("docs/calendars/sample-week.ics"));
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QVERIFY(Write(served.filePath("week.ics"), sample.readAll()));
        WebServer server(served.path());
        QVERIFY2(
            !server.Port().isEmpty(),
            qPrintable("python3 could not serve (run scripts/setup-debian.sh): " + server.Said()));
        address.replace('@', "127.0.0.1:" + server.Port());
        const QString pdf = out.filePath(QStringLiteral("week.pdf"));
        const auto print = [&](const QString& cacheHome) {
            QFile::remove(pdf);
            return RunTool(
                {"--format", "4", "--date", "2025-03-05", "--calendar", address, "--output", pdf},
                cacheHome);
        };

        const ToolRun online = print(cache.path());
        QVERIFY2(online.exitCode == 0 && online.err.isEmpty(), qPrintable(online.err));
        QVERIFY(ReadPdfText(pdf).contains("14:30 Dentist"));

        if (QTest::currentDataTag() == QLatin1String("unreachable")) {
            server.Stop();
        } else {
            QVERIFY(Write(served.filePath("misbehave"), ""));
        }
        const ToolRun kept = print(cache.path());
        QVERIFY2(kept.exitCode == 0 && kept.err.contains(address) && kept.err.contains(problem) &&
                     kept.err.contains("copy kept"),
                 qPrintable(kept.err));
        QVERIFY(ReadPdfText(pdf).contains("14:30 Dentist"));

        const ToolRun none = print(emptyCache.path());
        QCOMPARE(none.exitCode, 1);
        QVERIFY2(none.err.contains(address) && none.err.contains(problem) &&
                     none.err.contains("no copy"),
                 qPrintable(none.err));
        QVERIFY(!QFile::exists(pdf));
    }

    // A calendar a client put on a CalDAV server: the server gives the
    // whole collection as one iCalendar body to a plain GET.
    void aCalendarOnACalDavServerPrintsOnlineAndFromTheKeptCopy() {
        QTemporaryDir storage;
        QTemporaryDir cache;
        QTemporaryDir out;
        CalendarServer server(storage.path());
        QVERIFY2(
            !server.Port().isEmpty(),
            qPrintable("radicale could not serve (run scripts/setup-debian.sh): " + server.Said()));
        const QString collection = "127.0.0.1:" + server.Port() + "/user/calendar/";
        const QString event = out.filePath(QStringLiteral("checkup.ics"));
        QVERIFY(Write(event,
                      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//tessarine//tests//EN\r\n"
                      "BEGIN:VEVENT\r\nUID:checkup-1@tessarine.test\r\n"
                      "DTSTAMP:20250301T090000Z\r\nDTSTART:20250305T143000Z\r\n"
                      "DTEND:20250305T151500Z\r\nSUMMARY:Checkup at the clinic\r\n"
                      "END:VEVENT\r\nEND:VCALENDAR\r\n"));
        QString said;
        QVERIFY2(Curl({"-X", "MKCOL", "http://127.0.0.1:" + server.Port() + "/user/"}, said),
                 qPrintable(said));
        QVERIFY2(Curl({"-X", "MKCALENDAR", "http://" + collection}, said), qPrintable(said));
        QVERIFY2(Curl({"-T", event, "-H", "Content-Type: text/calendar",
                       "http://" + collection + "checkup.ics"},
                      said),
                 qPrintable(said));

        const QString pdf = out.filePath(QStringLiteral("week.pdf"));
        const auto print = [&](const QString& address) {
            QFile::remove(pdf);
            return RunTool(
                {"--format", "4", "--date", "2025-03-05", "--calendar", address, "--output", pdf},
                cache.path());
        };
        for (const QString& scheme : {QStringLiteral("http://"), QStringLiteral("webcal://")}) {
            const ToolRun run = print(scheme + collection);
            QVERIFY2(run.exitCode == 0 && run.err.isEmpty(), qPrintable(run.err));
            QVERIFY2(ReadPdfText(pdf).contains("14:30 Checkup at the clinic"), qPrintable(scheme));
        }
        server.Stop();
        const ToolRun offline = print("http://" + collection);
        QVERIFY2(offline.exitCode == 0 && offline.err.contains("copy kept"),
                 qPrintable(offline.err));
        QVERIFY(ReadPdfText(pdf).contains("14:30 Checkup at the clinic"));
    }

    void aFileThatIsNoCalendarWritesNothing() {
        QTemporaryDir dir;
        const QString notes = dir.filePath(QStringLiteral("notes.ics"));
        QVERIFY(Write(notes, "Buy milk\n"));
        const QString pdf = dir.filePath(QStringLiteral("week.pdf"));
        for (const QString& source : {notes, dir.filePath(QStringLiteral("missing.ics"))}) {
            const ToolRun run = RunTool({"--calendar", source, "--output", pdf}, dir.path());
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains(source), qPrintable(run.err));
            QVERIFY(!QFile::exists(pdf));
        }
    }

  private:
    static bool Near(double actual, double expected) { return qAbs(actual - expected) <= 1.0; }
};

QTEST_MAIN(PdfToolCalendarTest)
#include "pdf_tool_calendar_test.moc"
