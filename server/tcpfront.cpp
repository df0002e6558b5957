#include "tcpfront.h"

#include "link/errortable.h"
#include "link/tcprequestparser.h"
#include "link/textcodec.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

QByteArray line(const QString& text) {
    return TextCodec::encodeLine(text);
}

// Byte count and payload; a garbage fault replaces the count.
QByteArray countAndPayload(const QStringList& lines, const Fault& fault) {
    const QByteArray payload = TextCodec::encodeList(lines);
    if (!fault.garbageCount.isEmpty())
        return line(fault.garbageCount) + payload;
    return line(QString::number(payload.size())) + payload;
}

QString failureText(const ServerReply& reply) {
    if (!reply.errorText.isEmpty())
        return reply.errorText;
    return ErrorTable::GetErrorText(reply.status);
}

bool failed(const ServerReply& reply) {
    return reply.status != 0 || !reply.errorText.isEmpty();
}

// Data lines of the command framing: a line that starts with "." gets a second one.
QByteArray dotted(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += line(l.startsWith(QLatin1Char('.')) ? QLatin1Char('.') + l : l);
    return bytes + line(QStringLiteral("."));
}

} // namespace

TcpFront::TcpFront(Handler handler, const FaultTable& faults, QObject* parent)
    : TcpFront(AsyncHandler([handler = std::move(handler)](const ServerRequest& r, const Reply& reply) {
                   reply(handler(r));
               }),
               faults, parent) {}

TcpFront::TcpFront(AsyncHandler handler, const FaultTable& faults, QObject* parent)
    : QObject(parent)
    , m_handler(std::move(handler))
    , m_faults(faults)
    , m_greeting(greetingLine(QStringLiteral("7.1.7327.0"), false, false))
    , m_server(new QTcpServer(this)) {
    connect(m_server, &QTcpServer::newConnection, this, &TcpFront::onNewConnection);
}

TcpFront::~TcpFront() = default;

QString TcpFront::greetingLine(const QString& version, bool maintenance, bool refuse) {
    if (refuse)
        return QStringLiteral("X Der Server nimmt zur Zeit keine Verbindungen an.");
    const QString normal = QLatin1Char('(') + version + QStringLiteral(")Willkommen (qtx-server)");
    return maintenance ? QStringLiteral("990 ***") + normal : normal;
}

bool TcpFront::listen(const QHostAddress& address, quint16 port) {
    return m_server->listen(address, port);
}

quint16 TcpFront::serverPort() const {
    return m_server->serverPort();
}

void TcpFront::onNewConnection() {
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_connections.insert(socket, Connection{{}, false, QStringLiteral("tcp-%1").arg(m_nextSession++)});
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            auto it = m_connections.find(socket);
            if (it == m_connections.end())
                return;
            it->buffer += socket->readAll();
            processBuffer(socket);
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_connections.remove(socket);
            socket->deleteLater();
        });
        socket->write(line(m_greeting));
    }
}

void TcpFront::processBuffer(QTcpSocket* socket) {
    auto it = m_connections.find(socket);
    if (it == m_connections.end() || it->busy)
        return;
    const TcpParsedRequest request = TcpRequestParser::parse(it->buffer);
    if (request.state == TcpParsedRequest::State::Incomplete)
        return;
    if (request.state == TcpParsedRequest::State::Invalid) {
        // The stream cannot be followed any more: start over with a new connection.
        qWarning("tcp front: %s, closing", qPrintable(request.error));
        socket->abort();
        return;
    }
    it->buffer.remove(0, request.consumed);
    it->busy = true;

    const Fault fault = m_faults.forCode(request.code);
    if (fault.delayMs > 0) {
        // Other connections go on while this one waits.
        QTimer::singleShot(fault.delayMs, socket, [this, socket, request] { answer(socket, request); });
        return;
    }
    answer(socket, request);
}

void TcpFront::answer(QTcpSocket* socket, const TcpParsedRequest& request) {
    const Fault fault = m_faults.forCode(request.code);
    if (fault.close) {
        socket->abort();
        return;
    }
    if (!fault.errorLine.isEmpty()) {
        send(socket, request, ServerReply(), fault);
        return;
    }
    ServerRequest r;
    r.code = request.code;
    r.parameters = request.parameters;
    r.front = ServerRequest::Front::Tcp;
    r.peer = socket->peerAddress().toString();
    // Sessions follow connections, so one client never sees another's data.
    r.session = m_connections.value(socket).session;
    // The client may be gone when a search on a reader thread is through.
    QPointer<QTcpSocket> guard(socket);
    m_handler(r, [this, guard, request, fault](const ServerReply& reply) {
        if (guard)
            send(guard, request, reply, fault);
    });
}

void TcpFront::send(QTcpSocket* socket, const TcpParsedRequest& request, const ServerReply& reply,
                    const Fault& fault) {
    socket->write(frameReply(request, reply, fault));

    const bool logout = request.code == QLatin1String("999");
    auto it = m_connections.find(socket);
    if (it != m_connections.end())
        it->busy = false;
    if (logout) {
        socket->disconnectFromHost();
        return;
    }
    // Requests that arrived meanwhile are answered in turn.
    QTimer::singleShot(0, socket, [this, socket] { processBuffer(socket); });
}

QByteArray TcpFront::frameReply(const TcpParsedRequest& request, const ServerReply& given,
                                const Fault& fault) {
    ServerReply reply = given;
    if (!fault.errorLine.isEmpty()) {
        reply.status = 1;
        reply.errorText = fault.errorLine;
    }
    const QString& code = request.code;
    switch (request.framing.framing) {
    case Framing::Stream:
        if (failed(reply))
            return line(failureText(reply));
        return line(QString()) + countAndPayload(reply.lines, fault);
    case Framing::Status:
        if (reply.status != 0)
            return line(QString::number(reply.status)) + line(reply.errorText) + line(QStringLiteral("0"));
        return line(QStringLiteral("0")) + line(reply.errorText) + countAndPayload(reply.lines, fault);
    case Framing::Acknowledge:
        return line(failed(reply) ? failureText(reply) : QStringLiteral("OK"));
    case Framing::ParameterLines:
        if (request.framing.answer == AnswerKind::Mail)
            return line(failed(reply) ? failureText(reply) : QString()) + line(reply.lines.value(0)) +
                   line(QString());
        if (failed(reply))
            return line(failureText(reply));
        return line(QString()) + countAndPayload(reply.lines, fault) + line(QString());
    case Framing::ServerTime:
        if (failed(reply))
            return line(failureText(reply));
        return line(QStringLiteral("OK")) + line(reply.lines.value(0)) + line(QString());
    case Framing::Greeting:
        return line(QStringLiteral("990 ")) + dotted(reply.lines);
    case Framing::Command:
        break;
    }

    QByteArray bytes = line(code + QStringLiteral(" OK"));
    if (request.framing.answer == AnswerKind::FileDownload) {
        if (failed(reply))
            return bytes + line(failureText(reply));
        const QByteArray count = fault.garbageCount.isEmpty() ? QByteArray::number(reply.fileData.size())
                                                              : fault.garbageCount.toUtf8();
        return bytes + line(QString()) + line(reply.lines.value(0)) + count + "\r\n" + reply.fileData;
    }
    if (code == QLatin1String("999"))
        return bytes + dotted(reply.lines);
    QStringList data{failed(reply) ? failureText(reply) : QStringLiteral("OK")};
    if (!failed(reply)) {
        data += reply.lines;
        if (!fault.garbageCount.isEmpty() && data.size() > 1)
            data[1] = fault.garbageCount;
    }
    return bytes + dotted(data);
}
