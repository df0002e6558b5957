#pragma once

#include "link/catalogue.h"
#include "model/clientrecords.h"
#include "model/vkklcache.h"
#include "model/vkklcodec.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class Clock;
class Dialogs;
class Ending;
class IQTX_SoapServer;
class Logger;
class RequestBracket;
class SoapRequester;
class TcpConnection;
struct ModelContext;

// What a request wrapper hands its caller: result code (0 success), error
// text, the status framing's message line and the answer lines.
struct LinkAnswer {
    int result = 0;
    QString errorText;
    QString message;
    QStringList lines;
    bool ok() const { return result == 0; }
};

// One request as a wrapper describes it to the wrapper pattern.
struct LinkRequest {
    explicit LinkRequest(int requestCode, QStringList tcpLines = {})
        : code(requestCode)
        , lines(std::move(tcpLines)) {}

    LinkRequest& withList(QStringList serialised) {
        list = std::move(serialised);
        return *this;
    }
    LinkRequest& soap(QStringList afterCode) {
        soapLines = std::move(afterCode);
        return *this;
    }
    LinkRequest& header(QStringList inPlaceOfLogin) {
        soapHeader = std::move(inPlaceOfLogin);
        return *this;
    }
    LinkRequest& soapCodeLine(QString line) {
        soapCode = std::move(line);
        return *this;
    }
    LinkRequest& acceptShortSoap(std::function<bool(const QStringList&)> accept) {
        shortSoapAnswerOk = std::move(accept);
        return *this;
    }

    int code = 0;
    // TCP: the parameter lines, the command parameters or the payload list.
    QStringList lines;
    // Parameter-line framing with a list: the serialised list after the lines.
    QStringList list;
    // SOAP: the lines after the code, when they differ from lines + list.
    std::optional<QStringList> soapLines;
    // SOAP: the lines in place of the login header, when it is not sent.
    std::optional<QStringList> soapHeader;
    // SOAP: the line in place of the request code ("MassenUpdate168", "CheckUpdate").
    QString soapCode;
    // SOAP: an answer shorter than the descriptor's minimum that still
    // means something (an empty draft order), so the line check is skipped.
    std::function<bool(const QStringList&)> shortSoapAnswerOk;
};

// Everything the request wrappers share: transport, server level, login,
// the TCP connection with its request bracket, the SOAP request proxy, and
// the seams. The wrapper pattern lives here, once.
class ServerLink {
public:
    enum class Transport { Tcp, Soap };

    // StandardRequest through the request proxy (strings2request).
    struct SoapReply {
        QStringList lines;
        int errorCode = 0;
        QString errorMessage;
    };
    using SoapSend = std::function<SoapReply(const QStringList& request)>;
    using SoapCheck =
        std::function<bool(const QString& name, const QStringList& answer, int expected, QString* text)>;
    // get_file through the request proxy.
    using SoapGetFile =
        std::function<bool(const QString& name, QString& errorMessage, QByteArray* file, QString* exception)>;

    ServerLink(TcpConnection& client, RequestBracket& bracket, Logger& logger, Clock& clock, Ending& ending,
               Dialogs& dialogs, const ModelContext& context);

    // The SOAP side: strings2request and CheckAnswerLines of the requester, on the request proxy.
    void setSoap(SoapRequester& requester, IQTX_SoapServer& requestProxy);
    // The same as plain calls, for other transports of the same lines.
    void setSoapCalls(SoapSend send, SoapCheck check, SoapGetFile getFile = {});

    Transport transport() const { return m_transport; }
    void setTransport(Transport transport) { m_transport = transport; }
    bool soap() const { return m_transport == Transport::Soap; }

    int serverLevel() const { return m_serverLevel; }
    void setServerLevel(int level) { m_serverLevel = level; }

    const Login_rec& login() const { return m_login; }
    void setLogin(const Login_rec& login) { m_login = login; }

    // The first contact's TCP connect succeeded (112 is sent on TCP only then).
    bool tcpConnectSucceeded() const { return m_tcpConnectSucceeded; }
    void setTcpConnectSucceeded(bool on) { m_tcpConnectSucceeded = on; }
    // Usage statistics switched on by the server settings (305).
    bool statisticsActive() const { return m_statisticsActive; }
    void setStatisticsActive(bool on) { m_statisticsActive = on; }
    // Where downloads land.
    QString programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString& folder) { m_programFolder = folder; }

    // Requests sent to the server so far (local answers not counted), and
    // the time spent waiting for their answers.
    quint64 sentRequests() const { return m_sent; }
    qint64 roundTripNs() const { return m_roundTripNs; }

    TcpConnection& client() { return m_client; }
    RequestBracket& bracket() { return m_bracket; }
    Logger& logger() { return m_logger; }
    Clock& clock() { return m_clock; }
    Ending& ending() { return m_ending; }
    Dialogs& dialogs() { return m_dialogs; }
    VkklEnvironment vkklEnvironment() const;
    VkklAnswerCache& vkklCache() { return m_vkklCache; }

    // The wrapper pattern: local answer of a too old server, then SOAP or the
    // bracketed TCP function.
    LinkAnswer call(const LinkRequest& request);
    // The answer a server of too low a level gets without asking.
    std::optional<LinkAnswer> localAnswer(const RequestDescriptor& d) const;
    // SOAP: header, code and lines through strings2request, then CheckAnswerLines.
    LinkAnswer sendSoap(const RequestDescriptor& d, const LinkRequest& request);
    // TCP: waitforping, body, the soft socket-error rewrite, tPing and check_socket_error.
    LinkAnswer bracketed(const RequestDescriptor& d, const std::function<LinkAnswer()>& body);
    // The TCP function of the descriptor's framing, without the bracket.
    LinkAnswer sendTcp(const RequestDescriptor& d, const LinkRequest& request);

    // get_file on the SOAP side.
    bool soapGetFile(const QString& name, QString& errorMessage, QByteArray* file, QString* exception);

    // MyGetServerTime's memory: last successful call and its answer.
    std::optional<qint64> serverTimeTick() const { return m_serverTimeTick; }
    QDateTime serverTime() const { return m_serverTime; }
    void rememberServerTime(qint64 tick, const QDateTime& time) {
        m_serverTimeTick = tick;
        m_serverTime = time;
    }
    // Local time of day minus the server's, in seconds.
    qint64 serverTimeDifference() const { return m_serverTimeDifference; }
    void setServerTimeDifference(qint64 seconds) { m_serverTimeDifference = seconds; }

    // "Socket Error" -> "socket error".
    static QString softenSocketError(QString text);

private:
    TcpConnection& m_client;
    RequestBracket& m_bracket;
    Logger& m_logger;
    Clock& m_clock;
    Ending& m_ending;
    Dialogs& m_dialogs;
    const ModelContext& m_context;
    SoapSend m_soapSend;
    SoapCheck m_soapCheck;
    SoapGetFile m_soapGetFile;
    Transport m_transport = Transport::Tcp;
    quint64 m_sent = 0;
    qint64 m_roundTripNs = 0;
    int m_serverLevel = 0;
    Login_rec m_login;
    bool m_tcpConnectSucceeded = false;
    bool m_statisticsActive = true;
    QString m_programFolder;
    VkklAnswerCache m_vkklCache;
    std::optional<qint64> m_serverTimeTick;
    QDateTime m_serverTime;
    qint64 m_serverTimeDifference = 0;
};
