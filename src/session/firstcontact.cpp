#include "session/firstcontact.h"

#include "link/soapendpoints.h"
#include "link/tcpconnect.h"
#include "model/recordlayout.h"
#include "platform/clock.h"
#include "platform/ending.h"
#include "platform/logger.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString crlf = QStringLiteral("\r\n");
const QString zero = QStringLiteral("0");
const QString one = QStringLiteral("1");

QStringList splitAnswer(const QString& text) {
    QString t = text;
    t.replace(crlf, QStringLiteral("\n"));
    return t.split(QLatin1Char('\n'));
}

} // namespace

FirstContact::FirstContact(Session::Seams seams, const Session::Config& config, Links links)
    : m_s(seams)
    , m_config(config)
    , m_l(links)
    , m_tcpHost(config.tcpHost)
    , m_tcpPort(config.tcpPort) {}

bool FirstContact::getConnection(const Session::LoginInput& input, const QString& secret, const QString& mode,
                                 QStringList* answer) {
    const QString transport = (m_config.soap ? QStringLiteral("SOAP") : QStringLiteral("TCP")) +
                              (m_config.internal ? QStringLiteral(" INTERN") : QString());
    const QStringList info{zero, QString::number(m_config.tenant), input.kdnr, input.user, secret,
                           mode, m_config.clientVersion,           transport};
    QString antwort, exception;
    int result = -1;
    const qint64 start = m_s.clock.tickCount();
    const bool called = m_l.connectProxy.get_connection(info.join(crlf), antwort, &result, &exception);
    m_s.log.Log(
        1, QStringLiteral(" SOAP get_connection ticks=") + QString::number(m_s.clock.tickCount() - start), 1);
    if (!called) {
        m_trace += QStringLiteral("ECR Exception2 ");
        m_s.log.Log(1,
                    QStringLiteral("Exception get_connection: ") + m_l.connectProxy.url() + crlf + exception +
                        QStringLiteral(" RefCount=") + QString::number(++m_connectionExceptions),
                    1);
        m_statusText = exception;
        if (m_config.soap)
            return false;
        // TCP can go on with the address it already knows.
        *answer = QStringList{one, m_tcpHost, m_tcpPort};
        return false;
    }
    m_trace += QStringLiteral("GET_CONNECT L=") + QString::number(result) + QLatin1Char(' ');
    *answer = splitAnswer(antwort);
    m_s.log.Log(
        1, QStringLiteral("URL=%1 Ergebnis=%2 %3").arg(m_l.connectProxy.url()).arg(result).arg(antwort), 1);
    if (result != 0) {
        QStringList notice = *answer;
        if (!notice.isEmpty() && notice.first().contains(QStringLiteral("WARTUNG")))
            notice.removeFirst();
        m_statusText = notice.join(crlf);
        return false;
    }
    if (answer->size() < 12) {
        m_statusText = QStringLiteral("SOAP-Fehler, eventuell wird die Adresse blockiert: ") +
                       m_l.connectProxy.url() + crlf + QStringLiteral("Rückgabezeilen:") + crlf + antwort;
        return false;
    }
    return true;
}

void FirstContact::getSettings() {
    QString antwort, exception;
    int result = -1;
    const QString info = QStringLiteral("MANDANT") + crlf + QString::number(m_config.tenant);
    if (!m_l.connectProxy.get_settings(info, antwort, &result, &exception)) {
        m_trace += QStringLiteral("EXCEPT GET_SET ");
        m_s.log.Log(1, QStringLiteral("SOAP get_settings:") + exception, 1);
        return;
    }
    const QStringList lines = splitAnswer(antwort);
    if (result != 0 || lines.size() < 6)
        return;
    m_l.link.setStatisticsActive(lines.at(1) == one);
    m_l.context.vatText = lines.at(5);
    bool ok = false;
    const int idle = lines.value(6).trimmed().toInt(&ok);
    if (ok && idle > 10000)
        m_settingsIdleTime = idle;
    m_s.log.Log(1, m_s.log.stampNow() + QStringLiteral(" SOAP get_settings:") + lines.join(QLatin1Char(' ')),
                1);
}

bool FirstContact::zielanwendungRefuses(const QString& kdnr, const QString& user, const QString& secret,
                                        const QString& mode) {
    QStringList answer;
    int code = 0;
    QString message;
    bool raised = false;
    m_l.requester.strings2request(
        m_l.connectProxy,
        {kdnr, user, secret, mode, QStringLiteral("105"), one, QStringLiteral("ZIELANWENDUNG"), QString()},
        answer, code, message, &raised);
    if (raised) {
        m_statusText = QStringLiteral("Ausnahmefehler ZIELANWENDUNG. ") + message;
        return false;
    }
    if (code != 0)
        return false;
    QList<TBenutzerOption> options;
    RecordCodec::decodeCounted(answer, 0, 2, options);
    const QString value = UserOptions(options).value(QStringLiteral("ZIELANWENDUNG"));
    if (value.isEmpty())
        return false;
    m_s.log.Log(1, QStringLiteral("ZIELANWENDUNG=") + value, 1);
    m_s.ending.myterminate(QStringLiteral("ZIELANWENDUNG"),
                           QStringLiteral("Ungültiger Benuzter für Zielanwendung=") + value + crlf +
                               QStringLiteral("Bitte verwenden Sie anderen Benutzerzugang"));
    return true;
}

void FirstContact::removeUpdateLeftovers() {
    if (m_config.programFolder.isEmpty())
        return;
    const QDir dir(m_config.programFolder);
    const QString exe = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    for (const QString& name :
         QStringList{exe + QStringLiteral(".bat"), exe + QStringLiteral(".tmp"),
                     QStringLiteral("QTX_CLIENT.sfx.exe"), QStringLiteral("QTX_CLIENT_TMP.EXE")})
        QFile::remove(dir.filePath(name));
}

bool FirstContact::Erstes_connect_upgrade(const Session::LoginInput& input, bool mitUpgrade,
                                          bool* keinUpdate) {
    *keinUpdate = false;
    QString host = m_tcpHost;
    QString port = m_tcpPort;
    const bool hashLogin = input.password == QStringLiteral("***") && !input.storedHash.isEmpty();
    const QString secret = hashLogin ? input.storedHash : input.password;
    const QString mode = hashLogin ? one : zero;
    m_connectionAnswered = false;
    m_l.requester.setFailoverUrl(m_config.backupUrl);

    if (m_firstCall) {
        m_firstCall = false;
        m_trace = QStringLiteral("_EC=1 ");
        QStringList answer;
        int code = 0;
        QString message;
        bool raised = false;
        const QString dash = QStringLiteral("-");
        m_l.requester.strings2request(m_l.connectProxy, {dash, dash, dash, dash, QStringLiteral("990")},
                                      answer, code, message, &raised);
        m_trace += raised ? QStringLiteral("_EC-Exception0 ") : QStringLiteral("L=%1 ").arg(code);
        m_s.log.Log(1,
                    QStringLiteral("Erster SOAPrequest CONNECTID:%1 loopi=%2 URL=%3 %4")
                        .arg(answer.join(QLatin1Char(' ')))
                        .arg(0)
                        .arg(m_l.connectProxy.url(), message),
                    1);
        if (code == -4) {
            m_l.requester.setFailoverUrl(QString());
            m_statusText = answer.join(crlf);
            return false;
        }
    }
    SoapEndpoints::firstContact994(m_l.requester, m_l.connectProxy, m_config.backupUrl, m_s.log, &m_trace);
    m_l.requester.setFailoverUrl(QString());
    // After a switch the backup is the connect address the check probes.
    m_l.connectivity.setConnectUrl(m_l.connectProxy.url());

    QStringList answer;
    const bool connection = getConnection(input, secret, mode, &answer);
    // The address that answered: the backup after a switch, so that the
    // request proxy does not stay on a dead primary.
    const QString connectUrl = m_l.connectProxy.url();
    QString requestUrl = SoapEndpoints::requestProxyUrl(connectUrl, m_config.backupUrl, QString(),
                                                        m_config.iniSoapServerAdr, &host);
    if (connection) {
        if (!m_config.ipVonIni) {
            host = answer.value(1).trimmed();
            port = answer.value(2).trimmed();
        }
        m_connectionAnswered = true;
        m_connectionBranch = answer.value(5).trimmed();
        m_resourceVersion = answer.value(7).trimmed();
        requestUrl = SoapEndpoints::requestProxyUrl(connectUrl, m_config.backupUrl, answer.value(4),
                                                    m_config.iniSoapServerAdr, &host);
    }
    getSettings();
    m_trace += QStringLiteral("OK ");
    m_s.log.Log(1, QStringLiteral("Erstes_connect_upgrade fertig mit HTTPRIO_Connect ") + m_s.log.stampNow(),
                1);

    if (connection && answer.value(11).trimmed() == QStringLiteral("KUNDE_KUNDE")) {
        *keinUpdate = true;
        m_s.ending.myterminate(QStringLiteral("KUNDE_KUNDE"),
                               QStringLiteral("Dieser Benutzer gehört zum anderen Client-Programm."));
        return false;
    }
    if (zielanwendungRefuses(input.kdnr, input.user, secret, mode)) {
        *keinUpdate = true;
        return false;
    }

    SoapEndpoints::setupRequestProxy(m_l.requestProxy, m_l.connectProxy, requestUrl);
    m_l.link.setSoap(m_l.requester, m_l.requestProxy);
    const QString caller = QStringLiteral("Erstes_connect nach WAS");
    if (m_config.soap) {
        m_s.log.Log(1, QStringLiteral("SOAP-URL=") + requestUrl, 1);
        // The server level comes from the greeting that 990 answers through the request proxy.
        TcpConnect soap(m_l.client, m_s.log, m_s.dialogs, m_s.ending, m_s.platform, m_s.clock);
        soap.setSoapMode(
            [this](const QStringList& request) {
                SoapConnectAnswer a;
                m_l.requester.strings2request(m_l.requestProxy, request, a.lines, a.errorCode,
                                              a.errorMessage);
                return a;
            },
            requestUrl);
        const ConnectResult c = soap.do_connect(host, port, m_config.connection.connectTimeout,
                                                m_config.connection.readTimeout, caller, false);
        if (!c.connected || c.greeting.serverLevel < 10) {
            m_statusText =
                QStringLiteral("%1%2%3").arg(caller,
                                             c.connected ? QStringLiteral("\r\nFalscher Server ")
                                                         : QStringLiteral("\r\nVerbindungsfehler \r\n"),
                                             requestUrl);
            return false;
        }
        m_l.link.setServerLevel(c.greeting.serverLevel);
    } else {
        m_s.log.Log(1, QStringLiteral("ServerIP=") + host + QStringLiteral(" Port=") + port, 1);
        if (!host.contains(QLatin1Char('.')) || port.size() < 3) {
            m_statusText = QStringLiteral("\r\nVerbindungsfehler \r\nIP=%1 Port=%2").arg(host, port);
            return false;
        }
        TcpConnect tcp(m_l.client, m_s.log, m_s.dialogs, m_s.ending, m_s.platform, m_s.clock);
        // A server that cannot be reached leaves the login open; only a refused greeting ends the program.
        const ConnectResult c = tcp.do_connect(host, port, m_config.connection.connectTimeout,
                                               m_config.connection.readTimeout, caller, false);
        m_s.log.Log(1, QStringLiteral("Erstes do_connect=") + (c.connected ? one : zero) + m_s.log.stampNow(),
                    1);
        if (!c.connected || c.greeting.serverLevel < 10) {
            m_statusText = QStringLiteral("%1%2IP=%3 Port=%4")
                               .arg(caller,
                                    c.connected ? QStringLiteral("\r\nFalscher Server ")
                                                : QStringLiteral("\r\nVerbindungsfehler \r\n"),
                                    host, port);
            if (c.connected)
                m_l.client.disconnectFromServer();
            return false;
        }
        m_l.link.setServerLevel(c.greeting.serverLevel);
        m_l.link.setTcpConnectSucceeded(true);
        m_tcpHost = host;
        m_tcpPort = port;
    }
    removeUpdateLeftovers();
    if (mitUpgrade && updateAvailable())
        *keinUpdate = true;
    return true;
}
