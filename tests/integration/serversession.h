#pragma once

#include "closedport.h"
#include "session/session.h"
#include "soapserverprocess.h"

// The session configuration that reaches a test's qtx-server on either
// transport; the program folder and INI are the test's own.
inline Session::Config serverSessionConfig(const SoapServerProcess& server, bool soap,
                                           const QString& programFolder, const LokalIni* ini,
                                           int readTimeout = 20000) {
    Session::Config c;
    c.soap = soap;
    c.connectUrl = server.soapUrl();
    c.tcpHost = QStringLiteral("127.0.0.1");
    c.tcpPort = QString::number(server.tcpPort());
    c.programFolder = programFolder;
    c.ini = ini;
    c.connection.readTimeout = readTimeout;
    return c;
}

// A SOAP address on loopback where nothing answers: a dead primary.
inline QString deadSoapUrl() {
    return QStringLiteral("http://127.0.0.1:%1/QTX_M6/QTX_Server.dll/soap/IQTX_SoapServer").arg(closedPort());
}
