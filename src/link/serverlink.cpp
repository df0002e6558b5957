#include "link/serverlink.h"

#include <QElapsedTimer>

#include "link/requestbracket.h"
#include "link/soaprequester.h"
#include "link/soapserverintf.h"
#include "link/tcpconnection.h"
#include "link/tcpframings.h"
#include "model/modelcontext.h"
#include "platform/clock.h"

namespace {

LinkAnswer fromTcp(TcpResult&& r) {
    LinkAnswer a;
    a.result = r.result;
    a.errorText = std::move(r.errorText);
    a.message = std::move(r.message);
    a.lines = std::move(r.lines);
    return a;
}

} // namespace

ServerLink::ServerLink(TcpConnection& client, RequestBracket& bracket, Logger& logger, Clock& clock,
                       Ending& ending, Dialogs& dialogs, const ModelContext& context)
    : m_client(client)
    , m_bracket(bracket)
    , m_logger(logger)
    , m_clock(clock)
    , m_ending(ending)
    , m_dialogs(dialogs)
    , m_context(context)
    , m_vkklCache(clock) {}

void ServerLink::setSoap(SoapRequester& requester, IQTX_SoapServer& requestProxy) {
    SoapRequester* r = &requester;
    IQTX_SoapServer* proxy = &requestProxy;
    setSoapCalls(
        [r, proxy](const QStringList& request) {
            SoapReply reply;
            r->strings2request(*proxy, request, reply.lines, reply.errorCode, reply.errorMessage);
            return reply;
        },
        [r](const QString& name, const QStringList& answer, int expected, QString* text) {
            return r->CheckAnswerLines(false, name, answer, expected, text);
        },
        [proxy](const QString& name, QString& errorMessage, QByteArray* file, QString* exception) {
            return proxy->get_file(name, errorMessage, file, exception);
        });
}

void ServerLink::setSoapCalls(SoapSend send, SoapCheck check, SoapGetFile getFile) {
    m_soapSend = std::move(send);
    m_soapCheck = std::move(check);
    m_soapGetFile = std::move(getFile);
}

VkklEnvironment ServerLink::vkklEnvironment() const {
    return VkklEnvironment{m_logger, m_ending, m_context};
}

QString ServerLink::softenSocketError(QString text) {
    return text.replace(QStringLiteral("Socket Error"), QStringLiteral("socket error"));
}

std::optional<LinkAnswer> ServerLink::localAnswer(const RequestDescriptor& d) const {
    if (m_serverLevel >= d.minLevel || !d.tooOldText)
        return std::nullopt;
    LinkAnswer a;
    const QString text = Catalogue::text(d.tooOldText);
    if (d.tooOldIsList) {
        a.lines = text.split(QStringLiteral("\r\n"));
    } else {
        a.result = 1;
        a.errorText = text;
    }
    return a;
}

LinkAnswer ServerLink::call(const LinkRequest& request) {
    const RequestDescriptor& d = Catalogue::get(request.code);
    if (auto local = localAnswer(d))
        return *local;
    ++m_sent;
    QElapsedTimer timer;
    timer.start();
    // Requests without a SOAP wrapper exist only on TCP.
    LinkAnswer a =
        soap() && d.soapLabel ? sendSoap(d, request) : bracketed(d, [&] { return sendTcp(d, request); });
    m_roundTripNs += timer.nsecsElapsed();
    return a;
}

LinkAnswer ServerLink::sendSoap(const RequestDescriptor& d, const LinkRequest& request) {
    LinkAnswer a;
    if (!m_soapSend) {
        a.result = -1;
        a.errorText = QStringLiteral("SOAP-Service nicht eingerichtet.");
        return a;
    }
    QStringList lines = request.soapHeader ? *request.soapHeader : m_login.text;
    lines.append(request.soapCode.isEmpty() ? QString::number(d.code) : request.soapCode);
    if (request.soapLines) {
        lines += *request.soapLines;
    } else {
        lines += request.lines;
        lines += request.list;
    }
    SoapReply reply = m_soapSend(lines);
    a.result = reply.errorCode;
    a.lines = std::move(reply.lines);
    if (a.result != 0) {
        a.errorText = reply.errorMessage;
        return a;
    }
    QString why;
    if (request.shortSoapAnswerOk && request.shortSoapAnswerOk(a.lines))
        return a;
    if (d.minSoapLines > 0 && m_soapCheck &&
        !m_soapCheck(Catalogue::text(d.soapLabel), a.lines, d.minSoapLines, &why)) {
        // A short answer is no success, whatever ErrorCode said.
        a.result = 1;
        a.errorText = why;
    }
    return a;
}

LinkAnswer ServerLink::bracketed(const RequestDescriptor& d, const std::function<LinkAnswer()>& body) {
    m_bracket.waitforping();
    LinkAnswer a = body();
    if (d.softSocketError)
        a.errorText = softenSocketError(a.errorText);
    m_bracket.afterRequest(a.errorText);
    return a;
}

LinkAnswer ServerLink::sendTcp(const RequestDescriptor& d, const LinkRequest& request) {
    TcpStream& stream = m_client.stream();
    const QString code = QString::number(d.code);
    const QString prefix = Catalogue::prefix(d);
    switch (d.framing) {
    case Framing::Stream:
        return fromTcp(TcpFraming::SendRequest(stream, prefix, code, request.lines));
    case Framing::Status:
        return fromTcp(TcpFraming::SendRequestStatus(stream, prefix, code, request.lines));
    case Framing::Acknowledge:
        return fromTcp(TcpFraming::SendRequestAck(stream, prefix, code, request.lines));
    case Framing::ParameterLines:
        return fromTcp(TcpFraming::sendParameterLines(stream, prefix, code, request.lines,
                                                      d.withList ? &request.list : nullptr, d.sendFailCode));
    case Framing::Command: {
        CommandRequest c;
        c.code = code;
        c.parameters = request.lines;
        c.failCode = d.failCode;
        c.notFoundText = Catalogue::text(d.notFoundText);
        if (d.captureFailedText)
            c.captureFailedText = Catalogue::text(d.captureFailedText);
        if (d.lostText)
            c.lostText = Catalogue::text(d.lostText);
        // The logout's data lines are plain text for the log memo.
        c.dataHasErrorLine = d.code != 999;
        return fromTcp(TcpFraming::sendCommand(stream, c));
    }
    case Framing::ServerTime:
        return fromTcp(TcpFraming::requestServerTime(stream, prefix));
    case Framing::Greeting:
        break;
    }
    LinkAnswer a;
    a.result = 1;
    a.errorText = prefix + QStringLiteral("keine TCP-Anfrage");
    return a;
}

bool ServerLink::soapGetFile(const QString& name, QString& errorMessage, QByteArray* file,
                             QString* exception) {
    if (!m_soapGetFile) {
        if (exception)
            *exception = QStringLiteral("SOAP-Service nicht eingerichtet.");
        return false;
    }
    return m_soapGetFile(name, errorMessage, file, exception);
}
