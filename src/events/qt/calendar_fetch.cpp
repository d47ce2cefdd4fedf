// SPDX-License-Identifier: GPL-3.0-or-later
#include "events/qt/calendar_fetch.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <exception>

#include "platform/atomic_file.h"

namespace tessarine {

namespace {

// A web page where a calendar should be (a login form, a 404 page that
// answers 200) must not replace the copy that was good.
bool LooksLikeICalendar(const QByteArray& body) {
    QByteArray start = body.left(256);
    if (start.startsWith("\xEF\xBB\xBF")) {
        start.remove(0, 3);
    }
    return start.trimmed().toUpper().startsWith("BEGIN:VCALENDAR");
}

// A copy that cannot be kept costs only the offline fallback.
void KeepCopy(const QString& address, const QByteArray& body) {
    try {
        QDir().mkpath(CalendarCacheFolder());
        ReplaceFileAtomically(CachedCalendarPath(address).toStdString(),
                              std::string_view(body.constData(), static_cast<size_t>(body.size())),
                              0600);
    } catch (const std::exception&) {
    }
}

CalendarFetchResult FromCache(const QString& address, const QString& problem) {
    CalendarFetchResult result;
    result.problem = problem;
    QFile copy(CachedCalendarPath(address));
    if (copy.open(QIODevice::ReadOnly)) {
        result.body = copy.readAll();
        result.fromCache = !result.body.isEmpty();
        // Each good answer writes the file anew, so its time is the fetch's.
        result.keptAt = QFileInfo(copy).lastModified();
    }
    return result;
}

// In words of the notice, which names the address already: Qt's text for
// an HTTP error repeats it whole.
QString ProblemOf(const QNetworkReply& reply) {
    if (reply.error() == QNetworkReply::TooManyRedirectsError) {
        return QCoreApplication::translate("CalendarFetch", "the address redirects without end");
    }
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status < 400) return reply.errorString();
    return QCoreApplication::translate("CalendarFetch", "the server answered %1 %2")
        .arg(status)
        .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
        .trimmed();
}

}  // namespace

QUrl CalendarAddressUrl(const QString& address) {
    QUrl url(address);
    if (url.scheme().compare(QLatin1String("webcal"), Qt::CaseInsensitive) == 0) {
        url.setScheme(QStringLiteral("http"));
    }
    return url;
}

QString CalendarCacheFolder() {
    const QString cacheHome = qEnvironmentVariable("XDG_CACHE_HOME");
    const QString base = !cacheHome.isEmpty() && QDir::isAbsolutePath(cacheHome)
                             ? cacheHome
                             : QDir::homePath() + QStringLiteral("/.cache");
    return base + QStringLiteral("/tessarine");
}

QString CachedCalendarPath(const QString& address) {
    const QByteArray digest =
        QCryptographicHash::hash(address.toUtf8(), QCryptographicHash::Sha256).toHex();
    return CalendarCacheFolder() + QStringLiteral("/calendar-") + QString::fromLatin1(digest) +
           QStringLiteral(".ics");
}

void FetchCalendarAsync(QNetworkAccessManager& network, const QString& address,
                        CalendarFetchDone done, CalendarFetchLimits limits) {
    QNetworkRequest request(CalendarAddressUrl(address));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(limits.maxRedirects);
    request.setTransferTimeout(limits.timeoutMilliseconds);
    QNetworkReply* reply = network.get(request);
    QObject::connect(
        reply, &QNetworkReply::finished, reply, [reply, address, done = std::move(done)] {
            reply->deleteLater();
            if (reply->error() != QNetworkReply::NoError) {
                done(FromCache(address, ProblemOf(*reply)));
                return;
            }
            const QByteArray body = reply->readAll();
            if (!LooksLikeICalendar(body)) {
                done(FromCache(
                    address, QCoreApplication::translate("CalendarFetch",
                                                         "the address sent something other than a "
                                                         "calendar, such as a web page")));
                return;
            }
            KeepCopy(address, body);
            CalendarFetchResult result;
            result.body = body;
            done(result);
        });
}

CalendarFetchResult FetchCalendar(const QString& address, CalendarFetchLimits limits) {
    QNetworkAccessManager network;
    QEventLoop loop;
    CalendarFetchResult result;
    FetchCalendarAsync(
        network, address,
        [&result, &loop](const CalendarFetchResult& fetched) {
            result = fetched;
            loop.quit();
        },
        limits);
    loop.exec();
    return result;
}

}  // namespace tessarine
