#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Clock;
class Connectivity;
class Dialogs;
class Ending;
class IQTX_SoapServer;
class Logger;

// Sends numbered requests through StandardRequest (strings2request) and
// checks their answers (CheckAnswerLines). Runs on the main thread; a call
// blocks until the answer or the read time-out.
class SoapRequester {
public:
    // What the session lends the requester.
    class Host {
    public:
        virtual ~Host() = default;
        // True before and false after each call: busy flag and hourglass.
        virtual void soapBusy(bool busy) = 0;
        // The internet connection is lost: the usage statistics record the
        // entry of kind 53 "Internetverbindung" and send the file.
        virtual void noInternet(const QString& statusText) = 0;
    };

    SoapRequester(Logger& logger, const Clock& clock, Dialogs& dialogs, Ending& ending,
                  Connectivity& connectivity);

    // _IdleTime: the connectivity check runs at most once per interval.
    void setIdleTime(qint64 ms) { m_idleTimeMs = ms; }
    qint64 idleTime() const { return m_idleTimeMs; }
    // READ_TIMEOUT: the receive time-out of each call.
    void setReadTimeout(int ms) { m_readTimeoutMs = ms; }
    int readTimeout() const { return m_readTimeoutMs; }
    void setHost(Host* host) { m_host = host; }
    bool busy() const { return m_busy; }
    // While the first contact may still switch to the backup address, an
    // unreachable connect address moves the proxy to the backup first; only
    // when that is unreachable too does the program end. Empty: no backup.
    void setFailoverUrl(const QString& url) { m_failoverUrl = url; }

    // Tick of the last connectivity check; unset before the first.
    std::optional<qint64> lastCheck() const { return m_lastCheck; }
    void setLastCheck(std::optional<qint64> tick) { m_lastCheck = tick; }

    // Packs the request lines into StandardRequest. *raised (optional) tells
    // whether the call failed like an exception (ErrorCode -1).
    void strings2request(IQTX_SoapServer& proxy, const QStringList& request, QStringList& answer,
                         int& ErrorCode, QString& ErrorMessage, bool* raised = nullptr);

    // True when the answer has at least expected lines; else the text says why
    // and, with show, is also shown.
    bool CheckAnswerLines(bool show, const QString& name, const QStringList& answer, int expected,
                          QString* text = nullptr);

private:
    void setBusy(bool busy);
    // CheckInternetConnection, logged; remembers when it ran.
    bool checkConnection();

    Logger& m_logger;
    const Clock& m_clock;
    Dialogs& m_dialogs;
    Ending& m_ending;
    Connectivity& m_connectivity;
    qint64 m_idleTimeMs = 180000;
    int m_readTimeoutMs = 180000;
    Host* m_host = nullptr;
    bool m_busy = false;
    QString m_failoverUrl;
    std::optional<qint64> m_lastCheck;
    QString m_statusText;
};
