#pragma once

#include "link/soapclient.h"

#include <QByteArray>
#include <QString>

// The interface IQTX_SoapServer: its five operations as typed calls. Each
// returns false when the call raised (transport, HTTP or SOAP fault) and then
// leaves the text in *exception; the in/out parameters are updated from the
// answer otherwise.
class IQTX_SoapServer {
public:
    explicit IQTX_SoapServer(SoapNetwork& network);

    SoapClient& client() { return m_client; }
    const SoapClient& client() const { return m_client; }
    QString url() const { return m_client.url(); }
    void setUrl(const QString& url) { m_client.setUrl(url); }

    // Receive time-out of each call (READ_TIMEOUT).
    void setReadTimeout(int ms) { m_readTimeoutMs = ms; }
    int readTimeout() const { return m_readTimeoutMs; }

    bool TimeStamp(const QString& ID, QString* result, QString* exception);
    bool get_file(const QString& Filename, QString& ErrorMessage, QByteArray* file, QString* exception);
    bool get_connection(const QString& ClientInfo, QString& Antwort, int* result, QString* exception);
    bool get_settings(const QString& ClientInfo, QString& Antwort, int* result, QString* exception);
    bool StandardRequest(QString& SourceID, const QString& Request, int& ErrorCode, QString& ErrorMessage,
                         QString* result, QString* exception);

private:
    bool invoke(const SoapMessage& request, SoapCallResult* answer, QString* exception);
    bool clientInfoCall(const QString& operation, const QString& ClientInfo, QString& Antwort, int* result,
                        QString* exception);

    SoapClient m_client;
    int m_readTimeoutMs = 180000;
};
