#pragma once

#include <QString>

class LokalIni;
class TenantResources;

// Transport and server endpoints, from the executable's resources and the
// RUNTIME and PROXY sections of the INI.
struct Endpoints {
    bool soap = false;
    QString soapPath = QStringLiteral("/QTX_M1/QTX_Server.dll/soap/IQTX_SoapServer");
    QString externHost;
    QString internHost;
    QString defaultPort = QStringLiteral("52017");
    QString soapExtern2;
    QString soapIntern2;

    QString serverIp;      // RUNTIME/SERVERIP, empty when implausible
    QString serverPort;    // RUNTIME/SERVERPORT, empty when implausible
    bool ipVonIni = false; // IP_VON_INI "ON" with both SERVERIP and SERVERPORT
    QString soapServerAdr;
    QString invokeOptions = QStringLiteral("01010");
    QString proxyUrl;
    QString proxyUser;
    QString proxyPass;

    bool internal = false;
    QString primaryUrl;
    QString backupUrl;
    QString connectUrl;

    // The transport choice (step 3 of the start-up).
    static bool soapChosen(const TenantResources& res, const LokalIni& ini);
    // Reads resources and INI and chooses internal or external server.
    static Endpoints read(const TenantResources& res, const LokalIni& ini);

    // TCP address before the server has named one.
    QString tcpHost() const { return serverIp.isEmpty() ? externHost : serverIp; }
    QString tcpPort() const { return serverPort.isEmpty() ? defaultPort : serverPort; }

    QString labelHint() const;
};
