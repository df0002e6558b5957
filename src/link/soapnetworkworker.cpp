#include "link/soapnetworkworker.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

void SoapNetworkWorker::start(HttpExchange* exchange, Done done) {
    if (!m_manager)
        m_manager = new QNetworkAccessManager(this);
    m_manager->setProxy(exchange->proxy);

    QNetworkRequest request(exchange->url);
    for (const auto& h : exchange->headers)
        request.setRawHeader(h.first, h.second);
    request.setTransferTimeout(exchange->timeoutMs > 0 ? exchange->timeoutMs : 0);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         exchange->followRedirects ? QNetworkRequest::NoLessSafeRedirectPolicy
                                                   : QNetworkRequest::ManualRedirectPolicy);

    QNetworkReply* reply = nullptr;
    if (exchange->method == "HEAD")
        reply = m_manager->head(request);
    else if (exchange->method == "GET")
        reply = m_manager->get(request);
    else
        reply = m_manager->post(request, exchange->body);

    if (exchange->ignoreSslErrors) {
#if QT_CONFIG(ssl)
        connect(reply, &QNetworkReply::sslErrors, reply, [reply] { reply->ignoreSslErrors(); });
#endif
    }
    connect(reply, &QNetworkReply::finished, this, [exchange, reply, done = std::move(done)] {
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        exchange->transportOk = status.isValid();
        exchange->status = status.toInt();
        exchange->reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
        exchange->contentType = reply->rawHeader("Content-Type");
        if (reply->isOpen())
            exchange->responseBody = reply->readAll();
        if (reply->error() == QNetworkReply::OperationCanceledError ||
            reply->error() == QNetworkReply::TimeoutError)
            exchange->errorText = QStringLiteral("Zeitüberschreitung nach %1 ms (%2)")
                                      .arg(exchange->timeoutMs)
                                      .arg(reply->errorString());
        else if (reply->error() != QNetworkReply::NoError)
            exchange->errorText = reply->errorString();
        reply->deleteLater();
        done();
    });
}
