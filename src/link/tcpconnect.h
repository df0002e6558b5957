#pragma once

#include "link/greeting.h"

#include <QString>
#include <QStringList>

#include <functional>

class Clock;
class Dialogs;
class Ending;
class Logger;
class Platform;
class TcpConnection;

// Answer of request 990 sent over SOAP (strings2request).
struct SoapConnectAnswer {
    QStringList lines;
    int errorCode = 0;
    QString errorMessage;
};

struct ConnectResult {
    bool connected = false;
    GreetingInfo greeting; // greeting, level, restart flag, description
};

// do_connect: opens the TCP connection and reads the server's greeting, or in
// SOAP mode asks 990 through the SOAP transport; then interprets the greeting.
class TcpConnect {
public:
    using SoapRequest = std::function<SoapConnectAnswer(const QStringList& request)>;

    TcpConnect(TcpConnection& client, Logger& logger, Dialogs& dialogs, Ending& ending, Platform& platform,
               const Clock& clock);

    // SOAP mode: 990 goes through this call, description is the request URL.
    void setSoapMode(const SoapRequest& request, const QString& requestUrl);
    void setTcpMode() { m_soap = nullptr; }
    bool soapMode() const { return bool(m_soap); }

    // Shown in the refusal log line.
    void setLoggedIn(bool loggedIn) { m_loggedIn = loggedIn; }
    // The shared registry key that carries "IMPORTAKTIV".
    void setSharedKey(const QString& key) { m_sharedKey = key; }
    // Writes "IMPORTAKTIV"; by default straight into the shared key.
    void setImportAktivWriter(std::function<void(const QString&)> writer) {
        m_importAktiv = std::move(writer);
    }

    ConnectResult do_connect(const QString& host, const QString& port, int connectTimeout, int readTimeout,
                             const QString& caller, bool terminateOnFailure);

    // "ServerIP=" + host + " Port=" + port + " ".
    static QString tcpDescription(const QString& host, const QString& port);

private:
    QString readGreeting();
    ConnectResult fail(const QString& error, const QString& description, bool terminateOnFailure);

    TcpConnection& m_client;
    Logger& m_logger;
    Dialogs& m_dialogs;
    Ending& m_ending;
    Platform& m_platform;
    const Clock& m_clock;
    SoapRequest m_soap;
    QString m_requestUrl;
    bool m_loggedIn = false;
    QString m_sharedKey = QStringLiteral("Software\\Zelmor\\QTX-Client");
    std::function<void(const QString&)> m_importAktiv;
};
