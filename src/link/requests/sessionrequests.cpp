#include "link/requests/sessionrequests.h"

#include "link/requestbracket.h"
#include "model/formatde.h"
#include "platform/clock.h"
#include "platform/logger.h"

namespace {

constexpr qint64 serverTimeInterval = 5000;

void logServerTime(ServerLink& link, int result, const QString& caller, const QString& time) {
    link.logger().Log(
        1, QStringLiteral("MyGetServerTime Result=%1 Aufruf=%2 Zeit=%3").arg(result).arg(caller, time), 1);
}

} // namespace

LinkAnswer MyGetServerTime(ServerLink& link, const QString& caller, QDateTime& serverTime) {
    Clock& clock = link.clock();
    const qint64 now = clock.tickCount();
    if (const auto last = link.serverTimeTick();
        last && now - *last >= 0 && now - *last < serverTimeInterval) {
        link.logger().Log(1, QStringLiteral("MyGetServerTime < 5 Sekunden Aufruf=") + caller, 1);
        serverTime = link.serverTime();
        return {};
    }
    LinkAnswer a = link.call(
        LinkRequest(994).soap(QStringList()).header(QStringList{QString(), QString(), QString(), QString()}));
    const QString text = a.lines.value(0);
    if (a.ok()) {
        if (text.trimmed().isEmpty()) {
            a.result = 1;
            a.errorText = QStringLiteral("IGetSysDate: Oracle Datum fehlt!");
        } else {
            const QDateTime parsed = FormatDE::parseServerDateTime(text);
            if (!parsed.isValid()) {
                a.result = 1;
                a.errorText = QStringLiteral("MyGetServerTime ") + QStringLiteral("'") + text +
                              QStringLiteral("' is not a valid date and time");
            } else {
                serverTime = parsed;
                const QTime local = clock.now().time();
                const qint64 difference = parsed.time().secsTo(local);
                link.setServerTimeDifference(difference);
                clock.setServerTimeOffsetMs(-difference * 1000);
                link.rememberServerTime(now, parsed);
            }
        }
    }
    logServerTime(link, a.result, caller, text);
    return a;
}

LinkAnswer MyLogout(ServerLink& link) {
    if (link.soap())
        return {};
    // The server closes the connection after the goodbye; that close is the
    // expected end here and must not go through check_socket_error, which
    // would take it for a broken connection and end the program.
    RequestBracket& bracket = link.bracket();
    bracket.waitforping();
    LinkAnswer a = link.sendTcp(Catalogue::get(999), LinkRequest(999));
    bracket.setBusy(false);
    if (!a.ok())
        link.logger().Log(1, QStringLiteral("MyLogout ") + a.errorText, 1);
    return a;
}
