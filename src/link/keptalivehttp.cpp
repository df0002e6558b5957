#include "link/keptalivehttp.h"

#include "link/soapnetwork.h"

#include <QElapsedTimer>

#include <httplib.h>

struct KeptAliveHttp::Connection {
    QString key;
    std::unique_ptr<httplib::Client> client;
    bool used = false;
};

namespace {

// The origin a connection belongs to.
QString connectionKey(const HttpExchange& x) {
    return x.url.host() + QLatin1Char(':') + QString::number(x.url.port(80));
}

std::unique_ptr<httplib::Client> makeClient(const HttpExchange& x) {
    auto client = std::make_unique<httplib::Client>(x.url.host().toStdString(), x.url.port(80));
    client->set_keep_alive(true);
    client->set_tcp_nodelay(true);
    client->set_follow_location(false);
    return client;
}

QString errorText(httplib::Error error) {
    switch (error) {
    case httplib::Error::Connection:
        return QStringLiteral("Verbindung abgelehnt");
    case httplib::Error::Read:
        return QStringLiteral("Verbindung vom Server geschlossen");
    case httplib::Error::Write:
        return QStringLiteral("Senden fehlgeschlagen");
    default:
        return QStringLiteral("Übertragungsfehler %1").arg(int(error));
    }
}

} // namespace

KeptAliveHttp::KeptAliveHttp() = default;
KeptAliveHttp::~KeptAliveHttp() = default;

bool KeptAliveHttp::takes(const HttpExchange& x) {
    return x.method == "POST" && x.url.scheme() == u"http" && !x.url.host().isEmpty() &&
           (x.proxy.type() == QNetworkProxy::NoProxy || x.proxy.hostName().isEmpty());
}

void KeptAliveHttp::post(HttpExchange& x) {
    std::lock_guard lock(m_mutex);
    const QString key = connectionKey(x);
    if (!m_connection || m_connection->key != key) {
        m_connection = std::make_unique<Connection>();
        m_connection->key = key;
        m_connection->client = makeClient(x);
    }
    httplib::Client& client = *m_connection->client;
    // The transfer time-out: no byte for that long ends the call.
    const int ms = x.timeoutMs > 0 ? x.timeoutMs : 24 * 3600 * 1000;
    const auto timeout = std::chrono::milliseconds(ms);
    client.set_connection_timeout(timeout);
    client.set_read_timeout(timeout);
    client.set_write_timeout(timeout);

    httplib::Headers headers;
    std::string contentType = "application/octet-stream";
    for (const auto& h : x.headers) {
        if (h.first.compare("Content-Type", Qt::CaseInsensitive) == 0)
            contentType = h.second.toStdString();
        else
            headers.emplace(h.first.toStdString(), h.second.toStdString());
    }
    const std::string path = x.url.path(QUrl::FullyEncoded).isEmpty()
                                 ? std::string("/")
                                 : x.url
                                       .toString(QUrl::RemoveScheme | QUrl::RemoveAuthority |
                                                 QUrl::RemoveFragment | QUrl::FullyEncoded)
                                       .toStdString();
    QElapsedTimer timer;
    timer.start();
    httplib::Result result =
        client.Post(path, headers, x.body.constData(), size_t(x.body.size()), contentType);
    // A kept-alive connection the server has just closed fails at once and
    // before any answer: the call goes once more on a new connection.
    if (!result && m_connection->used && timer.elapsed() < ms &&
        (result.error() == httplib::Error::Read || result.error() == httplib::Error::Write)) {
        client.stop();
        timer.restart();
        result = client.Post(path, headers, x.body.constData(), size_t(x.body.size()), contentType);
    }
    if (!result) {
        m_connection->used = false;
        client.stop();
        const QString reason = errorText(result.error());
        x.errorText = timer.elapsed() >= ms
                          ? QStringLiteral("Zeitüberschreitung nach %1 ms (%2)").arg(ms).arg(reason)
                          : reason;
        return;
    }
    m_connection->used = true;
    x.transportOk = true;
    x.status = result->status;
    x.reason = QByteArray::fromStdString(result->reason);
    x.contentType = QByteArray::fromStdString(result->get_header_value("Content-Type"));
    x.responseBody = QByteArray::fromStdString(result->body);
}
