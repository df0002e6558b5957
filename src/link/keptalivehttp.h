#pragma once

#include <QString>

#include <memory>
#include <mutex>

struct HttpExchange;

// POST exchanges over plain HTTP without a proxy, on one kept-alive
// connection in the calling thread: the caller blocks on the socket without
// spinning its event loop. A SOAP call then costs what the server and the
// wire cost, where the network access manager adds two thread hops and its
// own queue (about 0.3 ms a call on loopback). HTTPS and proxies, with their
// certificates and challenges, stay with the manager: there the network
// costs far more than the hops.
class KeptAliveHttp final {
public:
    KeptAliveHttp();
    ~KeptAliveHttp();
    KeptAliveHttp(const KeptAliveHttp&) = delete;
    KeptAliveHttp& operator=(const KeptAliveHttp&) = delete;

    // Whether an exchange goes this way.
    static bool takes(const HttpExchange& exchange);
    void post(HttpExchange& exchange);

private:
    struct Connection;
    std::mutex m_mutex;
    std::unique_ptr<Connection> m_connection;
};
