#pragma once

#include "link/soapenvelope.h"
#include "link/soapinvokeoptions.h"

#include <QByteArray>
#include <QString>

class SoapNetwork;

// The outcome of one SOAP call. raised means the call failed the way an
// exception would: transport error, HTTP error or SOAP fault, with its text.
struct SoapCallResult {
    bool raised = false;
    QString exceptionText;
    SoapMessage response;
    QByteArray attachment; // get_file: the file of a multipart/related answer
};

// A small SOAP 1.1 client for one endpoint: URL, HTTP proxy with
// credentials, invoke options. Calls block the calling thread.
class SoapClient {
public:
    explicit SoapClient(SoapNetwork& network);

    void setUrl(const QString& url) { m_url = url; }
    QString url() const { return m_url; }

    // INI PROXY URL/USER/PASS; an empty URL means no proxy.
    void setProxy(const QString& url, const QString& user, const QString& password);
    QString proxyUrl() const { return m_proxyUrl; }
    QString proxyUser() const { return m_proxyUser; }
    QString proxyPassword() const { return m_proxyPassword; }

    void setInvokeOptions(const SoapInvokeOptions& options) { m_options = options; }
    SoapInvokeOptions invokeOptions() const { return m_options; }

    // Proxy, credentials and options of another client (the request proxy
    // takes them from the connect proxy).
    void copySettingsFrom(const SoapClient& other);

    // Sends one call; timeoutMs is the call's transfer time-out.
    SoapCallResult call(const SoapMessage& request, int timeoutMs);

    SoapNetwork& network() { return m_network; }

private:
    SoapNetwork& m_network;
    QString m_url;
    QString m_proxyUrl;
    QString m_proxyUser;
    QString m_proxyPassword;
    SoapInvokeOptions m_options;
};
