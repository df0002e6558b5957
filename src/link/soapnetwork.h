#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkProxy>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrl>

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

// The network thread of the SOAP transport. Its QNetworkAccessManager lives
// on one dedicated thread; a caller blocks on its answer without spinning
// its own event loop, as every server request of the client blocks.
class SoapNetwork final {
public:
    SoapNetwork();
    ~SoapNetwork();
    SoapNetwork(const SoapNetwork&) = delete;
    SoapNetwork& operator=(const SoapNetwork&) = delete;

    // Runs the exchange on the network thread and waits for it.
    void execute(HttpExchange& exchange);

private:
    QThread* m_thread = nullptr;
    SoapNetworkWorker* m_worker = nullptr;
};
