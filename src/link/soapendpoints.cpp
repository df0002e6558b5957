#include "link/soapendpoints.h"

#include "link/soaprequester.h"
#include "link/soapserverintf.h"
#include "platform/logger.h"

#include <QUrl>

SoapEndpoints::Answer SoapEndpoints::firstContact994(SoapRequester& requester, IQTX_SoapServer& connectProxy,
                                                     const QString& backupUrl, Logger& logger,
                                                     QString* trace) {
    const QStringList request{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("-"),
                              QStringLiteral("-"), QStringLiteral("994")};
    Answer a;
    bool raised = false;
    requester.strings2request(connectProxy, request, a.lines, a.errorCode, a.errorMessage, &raised);
    QString marks;
    if (raised) {
        marks = QStringLiteral("ECR Exception1 ALT ");
        logger.Log(0, QStringLiteral("Exception URL gewechselt, Alternativ-Service:") + backupUrl, 1);
    } else {
        marks = QStringLiteral("ECR L=%1 ").arg(a.errorCode);
        if (a.errorCode == -3) {
            marks += QStringLiteral("ALT-3 ");
            logger.Log(0, QStringLiteral("loop1=-3 Alternativ-Service:") + backupUrl, 1);
        }
    }
    if (trace)
        *trace += marks;
    if (raised || a.errorCode == -3) {
        connectProxy.setUrl(backupUrl);
        a = Answer();
        requester.strings2request(connectProxy, request, a.lines, a.errorCode, a.errorMessage);
    }
    return a;
}

QString SoapEndpoints::requestProxyUrl(const QString& connectUrl, const QString& backupUrl,
                                       const QString& serverUrl, const QString& iniSoapServerAdr,
                                       QString* tcpHost) {
    QString url = serverUrl.startsWith(QLatin1String("http")) ? serverUrl : connectUrl;
    if (!backupUrl.isEmpty() && connectUrl == backupUrl && backupUrl.startsWith(QLatin1String("http://"))) {
        const qsizetype slash = backupUrl.indexOf(QLatin1Char('/'), 7);
        if (slash > 7 && backupUrl.mid(slash).startsWith(QLatin1String("/QTX_"))) {
            url = connectUrl;
            if (tcpHost)
                *tcpHost = QUrl(backupUrl).host();
        }
    }
    if (!iniSoapServerAdr.isEmpty())
        url = iniSoapServerAdr;
    return url;
}

void SoapEndpoints::setupRequestProxy(IQTX_SoapServer& requestProxy, const IQTX_SoapServer& connectProxy,
                                      const QString& url) {
    requestProxy.setUrl(url);
    requestProxy.client().copySettingsFrom(connectProxy.client());
    requestProxy.setReadTimeout(connectProxy.readTimeout());
}
