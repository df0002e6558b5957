#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class Clock;
class Logger;
class SoapNetwork;

// UrlExists and CheckInternetConnection: is the server reachable before a
// SOAP call is sent?
class Connectivity {
public:
    // Connection kinds, with the values the status text shows in hexadecimal.
    enum Flag : quint32 { Modem = 0x01, Lan = 0x02, Proxy = 0x04, ModemBusy = 0x08 };
    // Asks the system for the connection kinds that lead towards target.
    using StateProbe = std::function<quint32(const QUrl& target)>;

    Connectivity(SoapNetwork& network, Logger& logger, const Clock& clock);

    void setConnectUrl(const QString& url) { m_connectUrl = url; }
    QString connectUrl() const { return m_connectUrl; }
    void setStateProbe(StateProbe probe) { m_probe = std::move(probe); }
    void setProbeTimeout(int ms) { m_probeTimeoutMs = ms; }

    // HEAD request; true on status 200. *response gets the response text,
    // or the exception text, CR LF and the URL.
    bool UrlExists(const QString& url, bool followRedirects, QString* response);

    // Connection state from the system, then a probe of the connect URL.
    bool CheckInternetConnection(QString* statusText, qint64* durationMs);

    // The status text for the given flags and HTTP response text, in the
    // words of the message text Internetstatus (six words separated by ";").
    QString statusText(quint32 flags, const QString& response) const;

    // The platform part: any interface that is up, running and has an
    // address counts as LAN; loopback only for a loopback target.
    static quint32 interfaceState(const QUrl& target);

private:
    SoapNetwork& m_network;
    Logger& m_logger;
    const Clock& m_clock;
    QString m_connectUrl;
    StateProbe m_probe = &Connectivity::interfaceState;
    int m_probeTimeoutMs = 7000;
};
