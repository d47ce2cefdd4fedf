// SPDX-License-Identifier: GPL-3.0-or-later
// An address that cannot be reached shows the copy kept from before, and
// the notice for it says how old that copy is.

#include "app/qt/calendars/network_calendar_reader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "events/qt/calendar_fetch.h"

using namespace tessarine;

class NetworkCalendarReaderTest : public QObject {
    Q_OBJECT

  private slots:
    void theKeptCopyIsShownWithItsAge() {
        QTemporaryDir cache;
        qputenv("XDG_CACHE_HOME", cache.path().toUtf8());
        // Nothing listens on port 1 of the loopback address.
        const std::string address = "http://127.0.0.1:1/holidays.ics";
        const QByteArray body = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n";
        QVERIFY(QDir().mkpath(CalendarCacheFolder()));
        QFile copy(CachedCalendarPath(QString::fromStdString(address)));
        QVERIFY(copy.open(QIODevice::WriteOnly) && copy.write(body) == body.size() && copy.flush());
        const QDateTime fetched = QDateTime::currentDateTime().addSecs(-3 * 3600 - 60);
        QVERIFY(copy.setFileTime(fetched, QFileDevice::FileModificationTime));
        copy.close();

        NetworkCalendarReader reader;
        QVERIFY(reader.KeptCopyNotice(address).isEmpty());
        std::optional<std::string> shown;
        QString problem = QStringLiteral("<not called>");
        reader.Fetch(address, [&](std::optional<std::string> got, QString why) {
            shown = std::move(got);
            problem = why;
        });
        QTRY_VERIFY_WITH_TIMEOUT(shown.has_value(), 10000);
        QCOMPARE(QByteArray::fromStdString(*shown), body);
        QVERIFY(problem.isEmpty());
        const QString notice = reader.KeptCopyNotice(address);
        QVERIFY2(
            notice.startsWith(QStringLiteral("The calendar http://127.0.0.1:1/holidays.ics")) &&
                notice.endsWith(QStringLiteral("; showing the copy from 3 hours ago.")),
            qPrintable(notice));
    }
};

QTEST_MAIN(NetworkCalendarReaderTest)
#include "network_calendar_reader_test.moc"
