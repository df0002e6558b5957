#pragma once

#include <QString>
#include <QStringList>

class IQTX_SoapServer;
class Logger;
class SoapRequester;

// The connect proxy, the request proxy and the one failover of the first
// contact: a 994 that fails is sent once more against the backup URL.
class SoapEndpoints {
public:
    struct Answer {
        QStringList lines;
        int errorCode = 0;
        QString errorMessage;
    };

    // Sends "994" with four "-" header lines through the connect proxy. On
    // ErrorCode -3 or an exception the proxy switches to backupUrl and sends
    // it once more. Appends the first-contact marks to *trace.
    static Answer firstContact994(SoapRequester& requester, IQTX_SoapServer& connectProxy,
                                  const QString& backupUrl, Logger& logger, QString* trace);

    // URL of the request proxy. serverUrl is line 5 of get_connection.
    // *tcpHost becomes the backup host when the client already runs on a
    // backup URL of the form "http://" + host + "/QTX_...".
    static QString requestProxyUrl(const QString& connectUrl, const QString& backupUrl,
                                   const QString& serverUrl, const QString& iniSoapServerAdr,
                                   QString* tcpHost);

    // Points the request proxy at url with the connect proxy's proxy,
    // credentials, invoke options and read time-out.
    static void setupRequestProxy(IQTX_SoapServer& requestProxy, const IQTX_SoapServer& connectProxy,
                                  const QString& url);
};
