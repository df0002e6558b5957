#include "endpoints.h"

#include "session/lokalini.h"
#include "session/tenantresources.h"

namespace {
// The wholesaler's internal network and the name prefix of its internal hosts.
const QString internalAddressPrefix = QStringLiteral("10.");
const QString internalNamePrefix = QStringLiteral("qtx.");
} // namespace

bool Endpoints::soapChosen(const TenantResources& res, const LokalIni& ini) {
    QString method;
    res.assignIfPresent(QStringLiteral("SOAPMETHODE"), method);
    return method.trimmed().compare(QLatin1String("SOAP"), Qt::CaseInsensitive) == 0 ||
           ini.read(QStringLiteral("RUNTIME"), QStringLiteral("IS_SOAP")).trimmed().toUpper() ==
               QLatin1String("ON");
}

Endpoints Endpoints::read(const TenantResources& res, const LokalIni& ini) {
    Endpoints e;
    e.soap = soapChosen(res, ini);
    res.assignIfPresent(QStringLiteral("DEFAULT_SOAP"), e.soapPath);
    res.assignIfPresent(QStringLiteral("DEFAULT_IP_EXTERN"), e.externHost);
    res.assignIfPresent(QStringLiteral("DEFAULT_IP_INTERN"), e.internHost);
    res.assignIfPresent(QStringLiteral("DEFAULT_PORT"), e.defaultPort);
    res.assignIfPresent(QStringLiteral("SOAP_EXTERN2"), e.soapExtern2);
    res.assignIfPresent(QStringLiteral("SOAP_INTERN2"), e.soapIntern2);
    e.soapPath = e.soapPath.trimmed();
    e.externHost = e.externHost.trimmed();
    e.internHost = e.internHost.trimmed();
    e.defaultPort = e.defaultPort.trimmed();

    const QString runtime = QStringLiteral("RUNTIME");
    e.serverIp = ini.read(runtime, QStringLiteral("SERVERIP")).trimmed();
    if (e.serverIp.indexOf(QLatin1Char('.'), 1) < 0)
        e.serverIp.clear();
    e.serverPort = ini.read(runtime, QStringLiteral("SERVERPORT")).trimmed();
    if (e.serverPort.size() < 3)
        e.serverPort.clear();
    // The INI's address wins over the server's only when it is complete.
    e.ipVonIni = ini.read(runtime, QStringLiteral("IP_VON_INI")).trimmed().toUpper() == QLatin1String("ON") &&
                 !e.serverIp.isEmpty() && !e.serverPort.isEmpty();
    e.soapServerAdr = ini.read(runtime, QStringLiteral("SOAP_SERVER_ADR")).trimmed();
    e.invokeOptions = ini.read(runtime, QStringLiteral("SOAP_INVOKE_OPTIONS"), e.invokeOptions).trimmed();

    const QString proxy = QStringLiteral("PROXY");
    e.proxyUrl = ini.read(proxy, QStringLiteral("URL")).trimmed();
    e.proxyUser = ini.read(proxy, QStringLiteral("USER"));
    e.proxyPass = ini.read(proxy, QStringLiteral("PASS"));

    e.internal = e.serverIp.startsWith(internalAddressPrefix) ||
                 e.serverIp.startsWith(internalNamePrefix, Qt::CaseInsensitive);
    const QString host = e.internal ? e.internHost : e.externHost;
    e.primaryUrl = QStringLiteral("http://") + host + e.soapPath;
    e.backupUrl = (e.internal ? e.soapIntern2 : e.soapExtern2) + e.soapPath;
    e.connectUrl = ini.read(runtime, QStringLiteral("CONNECT_ADR"), e.primaryUrl).trimmed();
    if (e.connectUrl.isEmpty())
        e.connectUrl = e.primaryUrl;
    return e;
}

QString Endpoints::labelHint() const {
    if (soap)
        return QStringLiteral("SOAP_URL=") + connectUrl;
    return QStringLiteral("IP=") + tcpHost() + QStringLiteral(" Port=") + tcpPort();
}
