#include "link/connectivity.h"

#include "link/soapnetwork.h"
#include "model/uitexts.h"
#include "platform/clock.h"
#include "platform/logger.h"

#include <QHostAddress>
#include <QNetworkInterface>

Connectivity::Connectivity(SoapNetwork& network, Logger& logger, const Clock& clock)
    : m_network(network)
    , m_logger(logger)
    , m_clock(clock) {}

bool Connectivity::UrlExists(const QString& url, bool followRedirects, QString* response) {
    HttpExchange x;
    x.method = QByteArrayLiteral("HEAD");
    x.url = QUrl(url);
    x.followRedirects = followRedirects;
    x.timeoutMs = m_probeTimeoutMs;
    if (x.url.isValid() && !x.url.host().isEmpty())
        m_network.execute(x);
    else
        x.errorText = QStringLiteral("Ungültige URL");

    if (!x.transportOk) {
        const QString text = x.errorText;
        m_logger.Log(0, url + QStringLiteral(" UrlExists-Exception:") + text, 1);
        if (response)
            *response = text + QStringLiteral("\r\n") + url;
        return false;
    }
    const QString text =
        QStringLiteral("HTTP/1.1 %1 %2").arg(x.status).arg(QString::fromUtf8(x.reason)).trimmed();
    m_logger.Log(0, url + QStringLiteral(" UrlExists Response=") + text, 1);
    if (response)
        *response = text;
    return x.status == 200;
}

QString Connectivity::statusText(quint32 flags, const QString& response) const {
    QStringList words = Txt::get(Txt::Internetstatus).split(QLatin1Char(';'));
    if (words.size() != 6)
        words = QStringList(6, QString());
    QString name = words.at(1);
    // Tested in this order; the last kind present names the connection.
    if (flags & Modem)
        name = words.at(2);
    if (flags & Lan)
        name = words.at(3);
    if (flags & Proxy)
        name = words.at(4);
    if (flags & ModemBusy)
        name = words.at(5);
    return name + QStringLiteral(" %1=$%2").arg(words.at(0)).arg(flags, 0, 16) + QStringLiteral("\r\n") +
           response;
}

bool Connectivity::CheckInternetConnection(QString* status, qint64* durationMs) {
    const qint64 start = m_clock.tickCount();
    const quint32 flags = m_probe ? m_probe(QUrl(m_connectUrl)) : 0;
    bool reachable = false;
    QString response;
    if (flags & (Modem | Lan | Proxy))
        reachable = UrlExists(m_connectUrl, false, &response);
    if (status)
        *status = statusText(flags, response);
    if (durationMs)
        *durationMs = m_clock.tickCount() - start;
    return reachable;
}

quint32 Connectivity::interfaceState(const QUrl& target) {
    const QString host = target.host();
    const bool loopbackTarget =
        host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 || QHostAddress(host).isLoopback();
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& i : interfaces) {
        const auto f = i.flags();
        if (!(f & QNetworkInterface::IsUp) || !(f & QNetworkInterface::IsRunning) ||
            i.addressEntries().isEmpty())
            continue;
        if ((f & QNetworkInterface::IsLoopBack) && !loopbackTarget)
            continue;
        return Lan;
    }
    return 0;
}
