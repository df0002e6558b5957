#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

#include <memory>

class KeptAliveHttp;
class QThread;
class SoapNetworkWorker;

// One HTTP exchange as the SOAP transport and the URL probe need it.
struct HttpExchange {
    // request
    QByteArray method = QByteArrayLiteral("POST"); // POST, GET or HEAD
    QUrl url;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    int timeoutMs = 180000; // transfer time-out: no byte for that long ends the call
    bool followRedirects = false;
    bool ignoreSslErrors = false;
    QNetworkProxy proxy = QNetworkProxy(QNetworkProxy::NoProxy);

    // answer
    bool transportOk = false; // an HTTP answer arrived (any status)
    int status = 0;
    QByteArray reason;
    QByteArray contentType;
    QByteArray responseBody;
    QString errorText; // transport failure: time-out, refused, TLS, ...
};

// The SOAP transport's HTTP. Plain calls (POST over HTTP without a proxy)
// go over one kept-alive connection in the caller's thread; the rest (HTTPS,
// proxies, the probes' HEAD and GET) go to a QNetworkAccessManager on one
// dedicated thread. Either way a caller
// blocks on its answer without spinning its own event loop, as every server
// request of the client blocks.
class SoapNetwork final {
public:
    SoapNetwork();
    ~SoapNetwork();
    SoapNetwork(const SoapNetwork&) = delete;
    SoapNetwork& operator=(const SoapNetwork&) = delete;

    // Runs the exchange on the network thread and waits for it.
    void execute(HttpExchange& exchange);

private:
    std::unique_ptr<KeptAliveHttp> m_http;
    QThread* m_thread = nullptr;
    SoapNetworkWorker* m_worker = nullptr;
};
