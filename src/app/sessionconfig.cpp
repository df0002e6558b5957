#include "app/sessionconfig.h"

#include "app/startup.h"
#include "model/scramble.h"
#include "platform/platform.h"
#include "platform/registrystore.h"
#include "session/tenantresources.h"

Session::Config sessionConfig(const StartUp& s, Platform& platform) {
    const Endpoints& e = s.endpoints();
    const StartupSettings& settings = s.settings();
    Session::Config c;
    c.soap = e.soap;
    c.tenant = s.tenant().number;
    c.onlineName = s.onlineName();
    c.clientVersion = s.fileVersion();
    c.connectUrl = e.connectUrl;
    c.backupUrl = e.backupUrl;
    c.iniSoapServerAdr = e.soapServerAdr;
    c.tcpHost = e.tcpHost();
    c.tcpPort = e.tcpPort();
    c.ipVonIni = e.ipVonIni;
    c.internal = e.internal;
    c.programFolder = s.programFolder();
    c.counterFile = s.fileBeside(QStringLiteral(".cnt"));
    c.clientIdent = s.clientIdent();
    const QString guid = platform.registry().readGuid(RegistryStore::HKEY_CURRENT_USER,
                                                      s.tenant().registryKey, QStringLiteral("GUID"));
    c.pcGuidScrambled = guid.isEmpty() ? QString() : Scramble::storedForm(guid);
    c.beschaffInfo2 = TenantResources(nullptr, platform.resourceRoot()).text(QStringLiteral("BESCHAFFINFO2"));
    c.ini = &s.ini();
    c.connection.connectTimeout = settings.connectTimeout;
    c.connection.readTimeout = settings.readTimeout;
    c.connection.pingInterval = settings.pingInterval;
    c.connection.pingTimeout = settings.pingTimeout;
    c.connection.ping = settings.ping;
    return c;
}
