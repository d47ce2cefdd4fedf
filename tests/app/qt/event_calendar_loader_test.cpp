// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/qt/calendars/event_calendar_loader.h"

#include <stdlib.h>

#include <QFile>
#include <QLocale>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <ctime>

using namespace tessarine;

namespace {

// Files are watched and read on workers: a change shows within this.
constexpr int kTimeoutMs = 15000;

using Lines = std::vector<std::string>;

// A calendar of one event on a day of March 2025: all-day without a time,
// otherwise at that wall-clock time wherever the test runs.
QByteArray OneEvent(const char* summary, int day, const char* time = nullptr) {
    char start[64];
    if (time == nullptr) {
        std::snprintf(start, sizeof start, "DTSTART;VALUE=DATE:202503%02d", day);
    } else {
        std::snprintf(start, sizeof start, "DTSTART:202503%02dT%s00", day, time);
    }
    return QByteArray(
               "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n"
               "BEGIN:VEVENT\r\nUID:") +
           summary + "@test\r\nSUMMARY:" + summary + "\r\n" + start +
           "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The lines of a day of March 2025 as far as they are ready: none while the
// month is being expanded.
Lines MarchDay(EventCalendarLoader& loader, int day) {
    const EventCalendarLoader::SharedMonthLines month = loader.monthLines(2025, 3);
    if (!month || month->size() < static_cast<std::size_t>(day)) return {};
    return (*month)[static_cast<std::size_t>(day - 1)];
}

}  // namespace

class EventCalendarLoaderTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }

    void filesAreReadAndTheirLinesExpandedOffTheWindowsThread() {
        const QString first = dir_.filePath("read-first.ics");
        const QString second = dir_.filePath("read-second.ics");
        Write(first, OneEvent("Meeting", 3, "1430"));
        Write(second, OneEvent("Holiday", 3));
        EventCalendarLoader loader;
        QSignalSpy loaded(&loader, &EventCalendarLoader::loaded);
        QSignalSpy ready(&loader, &EventCalendarLoader::monthReady);
        loader.load(Sources({first, second}));
        QVERIFY(loaded.wait(kTimeoutMs));
        QVERIFY(loader.problems().isEmpty());

        QVERIFY(!loader.monthLines(2025, 3));  // not expanded yet: the step shows the month at once
        QTRY_VERIFY_WITH_TIMEOUT(loader.monthLines(2025, 3) != nullptr, kTimeoutMs);
        const EventCalendarLoader::SharedMonthLines march = loader.monthLines(2025, 3);
        QCOMPARE(march->size(), std::size_t{31});
        QCOMPARE((*march)[2], (Lines{"Holiday", "14:30 Meeting"}));
        QVERIFY((*march)[3].empty());
        QCOMPARE(ready.first(), (QVariantList{2025, 3}));
        // The months beside it follow unasked, so that a step to them shows
        // their marks at once.
        QTRY_VERIFY_WITH_TIMEOUT(ready.size() >= 3, kTimeoutMs);
        QVERIFY(loader.monthLines(2025, 4) != nullptr);
        QVERIFY(loader.monthLines(2025, 2) != nullptr);
    }

    void aBadFileIsNamedAndTheOthersStillShow() {
        const QString good = dir_.filePath("good.ics");
        const QString bad = dir_.filePath("bad.ics");
        Write(good, OneEvent("Dentist", 10, "0900"));
        Write(bad, "<html><body>Not found</body></html>\n");
        EventCalendarLoader loader;
        QSignalSpy loaded(&loader, &EventCalendarLoader::loaded);
        loader.load(Sources({bad, good}));
        QVERIFY(loaded.wait(kTimeoutMs));
        const QStringList problems = loader.problems();
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(bad), qPrintable(problems.first()));
        QTRY_COMPARE_WITH_TIMEOUT(MarchDay(loader, 10), (Lines{"09:00 Dentist"}), kTimeoutMs);
    }

    void aFileIsReadAgainWhenChangedOrReplacedOrWhenItAppears_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("written in place") << "in place";
        QTest::newRow("replaced by a rename, as editors save") << "rename";
        QTest::newRow("missing at first") << "appears";
    }
    void aFileIsReadAgainWhenChangedOrReplacedOrWhenItAppears() {
        QFETCH(QString, how);
        const QString path = dir_.filePath("watched-" + how + ".ics");
        if (how != "appears") Write(path, OneEvent("Before", 20));
        EventCalendarLoader loader;
        QSignalSpy loaded(&loader, &EventCalendarLoader::loaded);
        loader.load(Sources({path}));
        QVERIFY(loaded.wait(kTimeoutMs));
        if (how == "appears") {
            QCOMPARE(loader.problems().size(), 1);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(MarchDay(loader, 20), Lines{"Before"}, kTimeoutMs);
        }

        if (how == "rename") {
            const QString saved = path + ".new";
            Write(saved, OneEvent("After", 21));
            QVERIFY(std::rename(QFile::encodeName(saved), QFile::encodeName(path)) == 0);
        } else {
            Write(path, OneEvent("After", 21));
        }
        QTRY_COMPARE_WITH_TIMEOUT(MarchDay(loader, 21), Lines{"After"}, kTimeoutMs);
        QVERIFY(MarchDay(loader, 20).empty());
        QVERIFY(loader.problems().isEmpty());
    }

  private:
    static CalendarSources Sources(const QStringList& paths) {
        CalendarSources sources;
        for (const QString& path : paths) sources.Add(path.toStdString());
        return sources;
    }

    QTemporaryDir dir_;
};

QTEST_GUILESS_MAIN(EventCalendarLoaderTest)
#include "event_calendar_loader_test.moc"
