#include "link/soaprequester.h"

#include "link/connectivity.h"
#include "link/soapserverintf.h"
#include "model/uitexts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ending.h"
#include "platform/logger.h"

#include <QRegularExpression>

SoapRequester::SoapRequester(Logger& logger, const Clock& clock, Dialogs& dialogs, Ending& ending,
                             Connectivity& connectivity)
    : m_logger(logger)
    , m_clock(clock)
    , m_dialogs(dialogs)
    , m_ending(ending)
    , m_connectivity(connectivity) {}

void SoapRequester::setBusy(bool busy) {
    m_busy = busy;
    if (m_host)
        m_host->soapBusy(busy);
}

bool SoapRequester::checkConnection() {
    qint64 duration = 0;
    const bool reachable = m_connectivity.CheckInternetConnection(&m_statusText, &duration);
    m_logger.Log(0,
                 QStringLiteral("Internetverbindung=%1%2 ticks=%3 IdleTime=%4")
                     .arg(reachable ? QStringLiteral("TRUE ") : QStringLiteral("FALSE "), m_statusText)
                     .arg(duration)
                     .arg(m_idleTimeMs),
                 1);
    m_lastCheck = m_clock.tickCount();
    return reachable;
}

void SoapRequester::strings2request(IQTX_SoapServer& proxy, const QStringList& request, QStringList& answer,
                                    int& ErrorCode, QString& ErrorMessage, bool* raised) {
    if (raised)
        *raised = false;
    int functionNumber = -1;
    QString codeLine;
    if (request.size() > 4) {
        codeLine = request.at(4);
        bool numeric = false;
        functionNumber = codeLine.trimmed().toInt(&numeric);
        if (!numeric)
            functionNumber = -2;
    }

    QString text;
    for (const QString& line : request)
        text += line + QStringLiteral("\r\n");
    answer.clear();

    // The unsigned comparison makes a last check in the future count as elapsed.
    const qint64 now = m_clock.tickCount();
    if (!m_lastCheck || quint64(now - *m_lastCheck) > quint64(m_idleTimeMs)) {
        bool reachable = checkConnection();
        if (!reachable && !m_failoverUrl.isEmpty() && proxy.url() != m_failoverUrl) {
            m_logger.Log(0, QStringLiteral("Internetverbindung: Alternativ-Service:") + m_failoverUrl, 1);
            proxy.setUrl(m_failoverUrl);
            m_connectivity.setConnectUrl(m_failoverUrl);
            reachable = checkConnection();
        }
        if (!reachable) {
            if (m_host)
                m_host->noInternet(m_statusText);
            ErrorCode = -53;
            ErrorMessage = m_statusText;
            m_ending.SetTerminateTimeout_halt(
                m_statusText + QStringLiteral("\r\n") + Txt::get(Txt::VerbindungNeustart), false, true);
            return;
        }
    }

    const int savedTimeout = proxy.readTimeout();
    proxy.setReadTimeout(m_readTimeoutMs);
    const QString messageBefore = ErrorMessage;
    QString SourceID;
    QString result;
    QString exception;
    const qint64 start = m_clock.tickCount();
    setBusy(true);
    const bool ok = proxy.StandardRequest(SourceID, text, ErrorCode, ErrorMessage, &result, &exception);
    setBusy(false);
    proxy.setReadTimeout(savedTimeout);

    if (ok) {
        m_logger.Log(0,
                     QStringLiteral("StandardRequest %1 ticks=%2 %3 %4")
                         .arg(functionNumber)
                         .arg(m_clock.tickCount() - start)
                         .arg(functionNumber == -2 ? codeLine : m_statusText, SourceID),
                     1);
        if (!result.isEmpty()) {
            // Split at CR LF, CR or LF; a final break does not open another line.
            static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
            answer = result.split(lineBreak);
            if (answer.size() > 1 && answer.last().isEmpty())
                answer.removeLast();
        } else {
            answer = QStringList{ErrorMessage};
            if (ErrorCode != 0)
                m_logger.Log(0, QStringLiteral("strings2request Fehler:") + ErrorMessage, 1);
        }
    } else {
        if (raised)
            *raised = true;
        ErrorCode = -1;
        ErrorMessage = exception;
        m_logger.Log(0,
                     QStringLiteral("strings2request Exception:%1 Code=%2 FNr=%3 %4 URL=%5")
                         .arg(messageBefore)
                         .arg(ErrorCode)
                         .arg(functionNumber)
                         .arg(exception, proxy.url()),
                     1);
    }

    if (ErrorCode < 0 && codeLine == QLatin1String("990")) {
        m_logger.Log(0, QStringLiteral("Fehler SOAP-standardrequest ") + text + ErrorMessage, 1);
        m_dialogs.message(QStringLiteral("Fehler bei SOAP-Service."),
                          ErrorMessage + QStringLiteral("\r\n") + proxy.url(), Dialogs::Buttons::Ok,
                          Dialogs::Icon::Critical);
    }
}

bool SoapRequester::CheckAnswerLines(bool show, const QString& name, const QStringList& answer, int expected,
                                     QString* text) {
    if (answer.size() >= expected)
        return true;
    const QString why = answer.isEmpty()
                            ? name + QStringLiteral(" Fehler: keine Antwort erhalten.")
                            : QStringLiteral("%1 Fehler: %2\r\n%3 Zeilen erwartet, %4 Zeilen erhalten.")
                                  .arg(name, answer.first())
                                  .arg(expected)
                                  .arg(answer.size());
    if (text)
        *text = why;
    if (show)
        m_dialogs.message(QString(), why, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
    return false;
}
