#pragma once

#include <QString>
#include <QTimer>

class Clock;
class Ending;
class Logger;
class TcpConnection;

// What every TCP request is wrapped in: waitforping before it,
// check_socket_error after it. Keeps the busy flag, the keep-alive timer
// tPing and the time of the last successful exchange.
class RequestBracket {
public:
    // What the session lends the bracket.
    class Host {
    public:
        virtual ~Host() = default;
        // Hourglass on, or the normal cursor again.
        virtual void setWaitCursor(bool wait) = 0;
        // No hourglass while an import runs.
        virtual bool importRunning() const = 0;
        // A line for the memo of the AutoOrder page.
        virtual void autoOrderMemo(const QString& text) = 0;
        // save_counter(info) before the program ends for a broken connection.
        virtual void saveCounter(const QString& info) = 0;
    };

    RequestBracket(TcpConnection& client, Logger& logger, Ending& ending, const Clock& clock);

    void setHost(Host* host) { m_host = host; }
    void setSoapMode(bool soap) { m_soap = soap; }
    bool soapMode() const { return m_soap; }
    // OPTIONS/PING.
    void setPing(bool on) { m_ping = on; }
    void setPingInterval(int ms) { m_tPing.setInterval(ms); }
    // False while a price-file transfer or a reconnection runs.
    void setTerminateOnSocketError(bool on) { m_terminateOnSocketError = on; }

    QTimer& tPing() { return m_tPing; }
    bool busy() const { return m_busy; }
    void setBusy(bool busy) { m_busy = busy; }
    qint64 lastExchange() const { return m_lastExchange; }
    int repetitions() const { return m_repetitions; }
    void setRepetitions(int n) { m_repetitions = n; }

    void waitforping();
    // After the request: tPing runs again, then check_socket_error.
    void afterRequest(const QString& errorText);
    void check_socket_error(const QString& errorText);

    // Words in an error text that mean the connection is gone.
    static bool isBrokenText(const QString& errorText);

private:
    TcpConnection& m_client;
    Logger& m_logger;
    Ending& m_ending;
    const Clock& m_clock;
    Host* m_host = nullptr;
    QTimer m_tPing;
    bool m_soap = false;
    bool m_ping = false;
    bool m_busy = false;
    bool m_terminateOnSocketError = true;
    qint64 m_lastExchange = 0;
    int m_repetitions = 0;
};
