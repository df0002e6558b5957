#include "endingroutines.h"

#include "app/endingtarget.h"
#include "platform/dialogs.h"
#include "platform/logger.h"

#include <exception>

EndingRoutines::EndingRoutines(Logger& log, Dialogs& dialogs)
    : m_log(log)
    , m_dialogs(dialogs) {}

bool EndingRoutines::isTcp() const {
    return m_target && m_target->isTcp();
}

void EndingRoutines::setDestroyStatus(int status) {
    // Once ending, the program never returns to running.
    if (status > m_status)
        m_status = status;
}

void EndingRoutines::myterminate(const QString& info, const QString& text) {
    setDestroyStatus(EndRequested);
    m_closing = true;
    m_log.Log(0, QStringLiteral("_destroyStatus=1 myterminate ") + info, 1);
    if (!text.isEmpty())
        m_dialogs.message(title(), text);
    if (m_target)
        m_target->quit();
}

void EndingRoutines::SetTerminateTimeout_halt(const QString& message, bool disconnect, bool save) {
    const bool tcp = isTcp();
    try {
        if (tcp) {
            m_log.Log(0, QStringLiteral("Terminate Timeout=100 setzen:"), 1);
            m_target->setTimeoutsTo100();
            if (disconnect && !m_target->connectionClosing()) {
                m_log.Log(0, QStringLiteral("\"Client.Disconnect\" folgt "), 1);
                m_target->disconnect();
            }
        }
        if (!message.isEmpty())
            m_dialogs.message(title(), message);
        m_log.Log(0, QStringLiteral("Application.Terminate ") + m_log.stampNow(), 1);
    } catch (const std::exception& e) {
        QString what = QString::fromLocal8Bit(e.what());
        what.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        m_dialogs.message(title(), message + QStringLiteral("\r\nException ") + what, Dialogs::Buttons::Ok,
                          Dialogs::Icon::Critical);
    }
    if (save && m_target)
        m_target->saveCounter(QStringLiteral("setTerminate ") + message);
    myterminate(tcp ? QStringLiteral("TCP setTerminateTimeout_halt")
                    : QStringLiteral("SOAP setTerminateTimeout_halt"),
                QString());
}
