#pragma once

#include "faults.h"
#include "serverrequest.h"

#include <QString>

#include <functional>
#include <memory>

// The SOAP front of qtx-server: IQTX_SoapServer over HTTP on its own port
// and its own threads. Every operation goes to the handler, which the
// caller makes hand it to the dispatcher's thread.
class SoapFront {
public:
    using Handler = std::function<ServerReply(const ServerRequest&)>;

    SoapFront(Handler handler, const FaultTable& faults);
    ~SoapFront();
    SoapFront(const SoapFront&) = delete;
    SoapFront& operator=(const SoapFront&) = delete;

    // Port 0 picks a free port.
    bool listen(const QString& address, quint16 port, QString* error);
    quint16 port() const;
    void stop();

    static QString soapPath();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
