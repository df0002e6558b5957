#include "link/requestbracket.h"

#include "link/tcpconnection.h"
#include "platform/clock.h"
#include "platform/ending.h"
#include "platform/logger.h"

#include <QThread>

RequestBracket::RequestBracket(TcpConnection& client, Logger& logger, Ending& ending, const Clock& clock)
    : m_client(client)
    , m_logger(logger)
    , m_ending(ending)
    , m_clock(clock) {
    // tPing only paces requests: it runs out once and stays stopped.
    m_tPing.setSingleShot(true);
    m_tPing.setInterval(300000);
}

bool RequestBracket::isBrokenText(const QString& errorText) {
    static const char* const words[] = {"Socket Error", "Zeitüberschreitung", "Verbindung zum Server",
                                        "is broken", "Wartungsarbeiten"};
    for (const char* w : words) {
        if (errorText.contains(QString::fromUtf8(w)))
            return true;
    }
    return false;
}

void RequestBracket::waitforping() {
    if (m_host && !m_host->importRunning())
        m_host->setWaitCursor(true);
    m_busy = true;
    if (m_ping && !m_tPing.isActive()) {
        // Nothing can restart the timer while we block, so this is the full second.
        m_clock.pause(1000);
    }
    const bool connected = m_client.isConnected();
    if (!connected && m_host)
        m_host->autoOrderMemo(QStringLiteral("waitforping: Client ist disconnected"));
    if (!m_soap)
        m_client.stream().discardInput();
    m_tPing.stop();
}

void RequestBracket::afterRequest(const QString& errorText) {
    m_tPing.start();
    check_socket_error(errorText);
}

void RequestBracket::check_socket_error(const QString& errorText) {
    if (m_soap) {
        m_logger.Log(1, QStringLiteral("SOAP ?check_socket_error? ") + errorText, 1);
        // The hourglass of waitforping ends here too, or it would stay for good.
        if (m_host)
            m_host->setWaitCursor(false);
        return;
    }
    if (!errorText.isEmpty())
        m_logger.Log(1, QStringLiteral("check_socket_error:") + errorText, 1);
    if (m_host)
        m_host->setWaitCursor(false);

    const bool connected = m_client.isConnected();
    if (isBrokenText(errorText) || !connected) {
        const QString state = connected ? QStringLiteral("\r\nClientStatus: verbunden. ")
                                        : QStringLiteral("\r\nClientStatus: nicht verbunden. ");
        if (m_terminateOnSocketError) {
            m_logger.Log(1,
                         QStringLiteral("check_socket_error ") + errorText + state +
                             QStringLiteral(" Timeout=100 setzen:"),
                         1);
            m_client.stream().discardInput();
            m_client.setConnectTimeout(100);
            m_client.setReadTimeout(100);
            if (m_host)
                m_host->saveCounter(QStringLiteral("check_socket_error ") + errorText);
            m_ending.SetTerminateTimeout_halt(errorText + state + QStringLiteral(" Programm wird beendet."),
                                              true, false);
        } else {
            m_logger.Log(1,
                         QStringLiteral("check_socket_error ") + errorText + state +
                             QStringLiteral(" _terminate_socketerror=false"),
                         1);
        }
        // A broken connection is no successful exchange, but the request is over.
        m_busy = false;
        m_repetitions = 0;
        return;
    }
    m_client.stream().discardInput();
    m_lastExchange = m_clock.tickCount();
    m_busy = false;
    m_repetitions = 0;
}
