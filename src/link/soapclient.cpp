#include "link/soapclient.h"

#include "link/mimemultipart.h"
#include "link/soapnetwork.h"

SoapClient::SoapClient(SoapNetwork& network)
    : m_network(network) {}

void SoapClient::setProxy(const QString& url, const QString& user, const QString& password) {
    m_proxyUrl = url.trimmed();
    m_proxyUser = user;
    m_proxyPassword = password;
}

void SoapClient::copySettingsFrom(const SoapClient& other) {
    setProxy(other.m_proxyUrl, other.m_proxyUser, other.m_proxyPassword);
    m_options = other.m_options;
}

namespace {

QNetworkProxy proxyFor(const QString& url, const QString& user, const QString& password) {
    if (url.isEmpty())
        return QNetworkProxy(QNetworkProxy::NoProxy);
    // "host:port" and "http://host:port" are both in use.
    const QUrl parsed = QUrl::fromUserInput(url);
    return QNetworkProxy(QNetworkProxy::HttpProxy, parsed.host(), quint16(parsed.port(8080)), user, password);
}

} // namespace

SoapCallResult SoapClient::call(const SoapMessage& request, int timeoutMs) {
    SoapCallResult result;
    auto raise = [&](const QString& text) {
        result.raised = true;
        result.exceptionText = text;
        return result;
    };
    const QUrl url(m_url);
    if (!url.isValid() || url.host().isEmpty())
        return raise(QStringLiteral("Ungültige URL \"%1\"").arg(m_url));

    HttpExchange x;
    x.url = url;
    x.body = SoapEnvelope::write(request);
    x.timeoutMs = timeoutMs;
    x.ignoreSslErrors = m_options.ignoreInvalidCertificates;
    x.proxy = proxyFor(m_proxyUrl, m_proxyUser, m_proxyPassword);
    x.headers.append({QByteArrayLiteral("Content-Type"), QByteArrayLiteral("text/xml; charset=utf-8")});
    if (!m_options.noSoapActionHeader)
        x.headers.append(
            {QByteArrayLiteral("SOAPAction"), '"' + SoapEnvelope::soapAction(request.operation) + '"'});
    m_network.execute(x);

    if (!x.transportOk)
        return raise(x.errorText.isEmpty() ? QStringLiteral("Keine Antwort vom Server") : x.errorText);

    QByteArray envelope = x.responseBody;
    QList<MimePart> parts;
    if (MimeMultipart::isMultipart(x.contentType)) {
        QString error;
        if (!MimeMultipart::read(x.responseBody, MimeMultipart::parameter(x.contentType, "boundary"), &parts,
                                 &error))
            return raise(QStringLiteral("HTTP %1: %2").arg(x.status).arg(error));
        const QByteArray start = MimeMultipart::parameter(x.contentType, "start");
        const MimePart* root =
            start.isEmpty() ? &parts.first() : MimeMultipart::find(parts, QString::fromUtf8(start));
        envelope = root ? root->body : parts.first().body;
    }

    QString readError;
    const bool readable = SoapEnvelope::read(envelope, &result.response, &readError);
    // A fault comes with status 500; its text says more than the status does.
    if (readable && result.response.isFault)
        return raise(result.response.faultString.isEmpty() ? result.response.faultCode
                                                           : result.response.faultString);
    if (x.status != 200)
        return raise(QStringLiteral("HTTP %1 %2").arg(x.status).arg(QString::fromUtf8(x.reason)).trimmed());
    if (!readable)
        return raise(readError);

    for (const SoapPart& part : std::as_const(result.response.parts)) {
        if (part.href.isEmpty())
            continue;
        const MimePart* attached = MimeMultipart::find(parts, part.href);
        if (!attached)
            return raise(QStringLiteral("Anhang \"%1\" fehlt").arg(part.href));
        result.attachment = attached->body;
    }
    return result;
}
