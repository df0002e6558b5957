#include "link/tcpconnect.h"

#include "link/tcpconnection.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ending.h"
#include "platform/logger.h"
#include "platform/platform.h"
#include "platform/registrystore.h"

namespace {

QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return text;
}

} // namespace

TcpConnect::TcpConnect(TcpConnection& client, Logger& logger, Dialogs& dialogs, Ending& ending,
                       Platform& platform, const Clock& clock)
    : m_client(client)
    , m_logger(logger)
    , m_dialogs(dialogs)
    , m_ending(ending)
    , m_platform(platform)
    , m_clock(clock) {}

void TcpConnect::setSoapMode(const SoapRequest& request, const QString& requestUrl) {
    m_soap = request;
    m_requestUrl = requestUrl;
}

QString TcpConnect::tcpDescription(const QString& host, const QString& port) {
    return QStringLiteral("ServerIP=") + host + QStringLiteral(" Port=") + port + QLatin1Char(' ');
}

QString TcpConnect::readGreeting() {
    TcpStream& stream = m_client.stream();
    QString greeting;
    stream.readLine(&greeting, stream.readTimeout());
    // Whatever else the server already sent belongs to the greeting.
    const QByteArray more = stream.takeAvailable();
    if (!more.isEmpty())
        greeting += QStringLiteral("\r\n") + QString::fromUtf8(more);
    return greeting;
}

ConnectResult TcpConnect::fail(const QString& error, const QString& description, bool terminateOnFailure) {
    m_logger.Log(1, QStringLiteral("do_connect Exception: ") + error, 1);
    if (m_importAktiv)
        m_importAktiv(QStringLiteral("NEIN"));
    else
        m_platform.registry().writeString(RegistryStore::HKEY_CURRENT_USER, m_sharedKey,
                                          QStringLiteral("IMPORTAKTIV"), QStringLiteral("NEIN"));
    const QString text = QStringLiteral("Beim Aufbau der Verbindung trat ein Fehler auf. ") + oneLine(error) +
                         QLatin1Char(' ') + description;
    if (terminateOnFailure) {
        m_logger.Log(1, QStringLiteral("tryconnect Programm wird beendet: ") + text, 1);
        m_ending.SetTerminateTimeout_halt(text, false, true);
    } else {
        m_logger.Log(1, QStringLiteral("tryconnect EXIT! ") + text, 1);
    }
    ConnectResult r;
    r.greeting.description = description;
    return r;
}

ConnectResult TcpConnect::do_connect(const QString& host, const QString& port, int connectTimeout,
                                     int readTimeout, const QString& caller, bool terminateOnFailure) {
    ConnectResult result;
    if (m_ending.ending()) {
        m_logger.Log(1, QStringLiteral("do_connect Connected=false exit"), 1);
        return result;
    }
    if (!m_soap && m_client.isConnected()) {
        m_logger.Log(1,
                     QStringLiteral("do_connect Bereits connected !? LoggedIn=") +
                         (m_loggedIn ? QStringLiteral("TRUE") : QStringLiteral("FALSE")),
                     1);
        m_dialogs.message(QStringLiteral("Fehler bei Verbindungsaufbau"),
                          QStringLiteral("Bereits verbunden, erneut verbinden nicht möglich.\r\n") + caller,
                          Dialogs::Buttons::Ok, Dialogs::Icon::Critical);
        m_ending.SetTerminateTimeout_halt(QString(), false, true);
        return result;
    }

    const qint64 started = m_clock.tickCount();
    QString greeting;
    QString description;
    if (m_soap) {
        description = m_requestUrl;
        const SoapConnectAnswer answer =
            m_soap(QStringList{QString(), QString(), QString(), QString(), QStringLiteral("990")});
        if (answer.errorCode < 0)
            return fail(answer.errorMessage, description, terminateOnFailure);
        greeting = answer.lines.value(0);
    } else {
        description = tcpDescription(host, port);
        m_client.setConnectTimeout(connectTimeout);
        m_client.setHost(host);
        bool portOk = false;
        const uint portNumber = port.toUInt(&portOk);
        if (portOk && portNumber > 0 && portNumber <= 65535)
            m_client.setPort(quint16(portNumber));
        m_client.setReadTimeout(readTimeout);
        QString error;
        if (!m_client.connectToServer(&error))
            return fail(error, description, terminateOnFailure);
        greeting = readGreeting();
    }
    m_logger.Log(1, QStringLiteral("do_connect GetResponse: \"") + greeting + QLatin1Char('"'), 1);

    result.greeting = Greeting::interpret(greeting, description);
    if (result.greeting.refused) {
        const QString text = QStringLiteral("Connect nicht erfolgreich!\r\n") + description +
                             QStringLiteral("\r\n") + result.greeting.greeting;
        m_logger.Log(1, QStringLiteral("tryconnect Programm wird beendet: ") + text, 1);
        m_ending.SetTerminateTimeout_halt(text, true, true);
        if (!m_soap)
            m_client.abort();
        return result;
    }
    result.connected = m_soap || m_client.isConnected();
    m_logger.Log(1,
                 QStringLiteral("Ende do_connect TCP ticks=") +
                     QString::number(m_clock.tickCount() - started) + QStringLiteral(" Host=") + host,
                 1);
    return result;
}
