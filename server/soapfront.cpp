// The only file that uses cpp-httplib.
#include "soapfront.h"

#include "link/mimemultipart.h"
#include "link/soapenvelope.h"
#include "wsdl.h"

#include <httplib.h>

#include <QRegularExpression>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace {

const char* const kXml = "text/xml; charset=utf-8";

QString fromStd(const std::string& s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

std::string toStd(const QByteArray& b) {
    return std::string(b.constData(), size_t(b.size()));
}

QStringList splitLines(const QString& text) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString joinLines(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

// The envelope as it is: a body set with set_content would be compressed for
// every client that accepts it, which costs far more than it saves on the
// draft-order answers of a few megabytes.
void sendXml(httplib::Response& res, const QByteArray& xml) {
    auto body = std::make_shared<QByteArray>(xml);
    res.set_content_provider(
        size_t(body->size()), kXml, [body](size_t offset, size_t length, httplib::DataSink& sink) {
            const size_t size = size_t(body->size());
            if (offset >= size)
                return false;
            return sink.write(body->constData() + offset, std::min(length, size - offset));
        });
}

void sendFault(httplib::Response& res, const QString& code, const QString& text) {
    res.status = 500;
    res.set_content(toStd(SoapEnvelope::writeFault(code, text)), kXml);
}

// Connections served at once.
constexpr size_t kWorkers = 32;

} // namespace

struct SoapFront::Impl {
    Handler handler;
    FaultTable faults;
    httplib::Server server;
    std::thread thread;
    int port = 0;
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    std::atomic<int> sourceId{0};

    // Waits for a delay fault; ends early when the front stops.
    void delay(int ms) {
        std::unique_lock lock(mutex);
        wake.wait_for(lock, std::chrono::milliseconds(ms), [this] { return stopping; });
    }

    bool isStopping() {
        std::lock_guard lock(mutex);
        return stopping;
    }

    void post(const httplib::Request& req, httplib::Response& res);
    void answer(const SoapMessage& call, const ServerRequest& request, const ServerReply& reply,
                httplib::Response& res);
};

void SoapFront::Impl::post(const httplib::Request& req, httplib::Response& res) {
    SoapMessage call;
    QString error;
    const QByteArray body = QByteArray::fromStdString(req.body);
    if (!SoapEnvelope::read(body, &call, &error) || call.isFault)
        return sendFault(res, QStringLiteral("SOAP-ENV:Client"),
                         error.isEmpty() ? QStringLiteral("Kein Aufruf") : error);

    ServerRequest request;
    request.front = ServerRequest::Front::Soap;
    request.peer = fromStd(req.remote_addr);
    const QString& op = call.operation;
    if (op == u"StandardRequest") {
        const QStringList lines = splitLines(call.value(QStringLiteral("Request")));
        request.loginHeader = lines.mid(0, 4);
        request.code = lines.value(4);
        request.parameters = lines.mid(5);
    } else if (op == u"get_connection" || op == u"get_settings") {
        request.code = op;
        request.parameters = splitLines(call.value(QStringLiteral("ClientInfo")));
    } else if (op == u"get_file") {
        request.code = op;
        request.parameters = QStringList{call.value(QStringLiteral("Filename"))};
    } else if (op == u"TimeStamp") {
        request.code = op;
        request.parameters = QStringList{call.value(QStringLiteral("ID"))};
    } else {
        return sendFault(res, QStringLiteral("SOAP-ENV:Client"),
                         QStringLiteral("Unbekannte Operation \"%1\"").arg(op));
    }

    const Fault fault = faults.forCode(request.code);
    if (fault.delayMs > 0)
        delay(fault.delayMs);
    if (isStopping())
        return sendFault(res, QStringLiteral("SOAP-ENV:Server"), QStringLiteral("Server wird beendet"));
    if (fault.close) {
        // Headers go out, then the connection drops before the body.
        res.set_content_provider(64, kXml, [](size_t, size_t, httplib::DataSink&) { return false; });
        return;
    }
    if (!fault.garbageCount.isEmpty()) {
        res.set_content(toStd(fault.garbageCount.toUtf8()), kXml);
        return;
    }
    if (!fault.errorLine.isEmpty())
        return sendFault(res, QStringLiteral("SOAP-ENV:Server"), fault.errorLine);

    ServerReply reply = handler(request);
    if (fault.soapErrorCode)
        reply.status = *fault.soapErrorCode;
    answer(call, request, reply, res);
}

void SoapFront::Impl::answer(const SoapMessage& call, const ServerRequest& request, const ServerReply& reply,
                             httplib::Response& res) {
    SoapMessage m;
    m.operation = call.operation + QStringLiteral("Response");
    const QString& op = call.operation;
    if (op == u"StandardRequest") {
        m.addString(QStringLiteral("return"), joinLines(reply.lines));
        m.addString(QStringLiteral("SourceID"), QStringLiteral("QTX%1").arg(++sourceId));
        m.addInt(QStringLiteral("ErrorCode"), reply.status);
        m.addString(QStringLiteral("ErrorMessage"), reply.errorText);
    } else if (op == u"get_connection" || op == u"get_settings") {
        m.addInt(QStringLiteral("return"), reply.status);
        m.addString(QStringLiteral("Antwort"), joinLines(reply.lines).chopped(reply.lines.isEmpty() ? 0 : 2));
    } else if (op == u"TimeStamp") {
        m.addString(QStringLiteral("return"), reply.lines.value(0));
    } else if (op == u"get_file") {
        const QByteArray boundary = "MIME_boundary_" + QByteArray::number(++sourceId);
        const QByteArray rootId = QByteArrayLiteral("envelope@qtx-server");
        const QByteArray fileId = QByteArrayLiteral("file@qtx-server");
        m.parts.append({QStringLiteral("return"), QString(), QString(),
                        QStringLiteral("cid:") + QString::fromLatin1(fileId)});
        m.addString(QStringLiteral("ErrorMessage"), reply.errorText);
        MimePart root;
        root.headers = {{"Content-Type", kXml},
                        {"Content-Transfer-Encoding", "8bit"},
                        {"Content-ID", '<' + rootId + '>'}};
        root.body = SoapEnvelope::write(m);
        MimePart file;
        file.headers = {{"Content-Type", "application/octet-stream"},
                        {"Content-Transfer-Encoding", "binary"},
                        {"Content-ID", '<' + fileId + '>'}};
        file.body = reply.fileData;
        res.set_content(toStd(MimeMultipart::write({root, file}, boundary)),
                        MimeMultipart::contentType(boundary, rootId).constData());
        return;
    }
    Q_UNUSED(request);
    sendXml(res, SoapEnvelope::write(m));
}

SoapFront::SoapFront(Handler handler, const FaultTable& faults)
    : d(std::make_unique<Impl>()) {
    d->handler = std::move(handler);
    d->faults = faults;
    // Answers go out at once (headers and body are two writes, and a client
    // that delays its acknowledgement would hold the body for 40 ms), and a
    // connection serves request after request. A kept-alive connection holds
    // a worker while it waits for the next request: enough of them for many
    // clients at once.
    d->server.set_tcp_nodelay(true);
    d->server.set_keep_alive_max_count(100000);
    d->server.set_keep_alive_timeout(30);
    d->server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
    const std::string pattern = R"(/(.*/)?soap/IQTX_SoapServer)";
    d->server.Post(pattern,
                   [this](const httplib::Request& req, httplib::Response& res) { d->post(req, res); });
    // GET (and HEAD, which httplib serves from the same handler): the WSDL
    // with "?wsdl", else a short notice with status 200 for the URL probe.
    d->server.Get(pattern, [](const httplib::Request& req, httplib::Response& res) {
        if (req.has_param("wsdl")) {
            const QString endpoint =
                QStringLiteral("http://") + fromStd(req.get_header_value("Host")) + fromStd(req.path);
            res.set_content(toStd(Wsdl::document(endpoint)), kXml);
        } else {
            res.set_content("IQTX_SoapServer\r\n", "text/plain");
        }
    });
}

SoapFront::~SoapFront() {
    stop();
}

bool SoapFront::listen(const QString& address, quint16 port, QString* error) {
    const std::string host = address.toStdString();
    if (port == 0) {
        d->port = d->server.bind_to_any_port(host);
    } else {
        d->port = d->server.bind_to_port(host, port) ? port : -1;
    }
    if (d->port <= 0) {
        if (error)
            *error = QStringLiteral("SOAP-Port %1 auf %2 nicht verfügbar").arg(port).arg(address);
        return false;
    }
    d->thread = std::thread([this] { d->server.listen_after_bind(); });
    return true;
}

quint16 SoapFront::port() const {
    return d->port > 0 ? quint16(d->port) : 0;
}

void SoapFront::stop() {
    {
        std::lock_guard lock(d->mutex);
        d->stopping = true;
    }
    d->wake.notify_all();
    d->server.stop();
    if (d->thread.joinable())
        d->thread.join();
}

QString SoapFront::soapPath() {
    return QStringLiteral("/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer");
}
