#pragma once

#include <QByteArray>
#include <QString>

// The service description (WSDL 1.1, RPC/encoded) of IQTX_SoapServer, so
// that any standard SOAP client can call the server.
class Wsdl {
public:
    static QByteArray document(const QString& endpointUrl);
};
