#pragma once

#include "serverrequest.h"

#include <QObject>
#include <QString>

class ServerStore;

// One dispatcher behind both fronts. It runs on the main thread only, so
// that the store's SQLite connection stays single-threaded. The SOAP
// operations other than StandardRequest arrive under their own names as
// code ("get_connection", "get_settings", "get_file", "TimeStamp").
class Dispatcher : public QObject {
    Q_OBJECT
public:
    explicit Dispatcher(ServerStore& store, QObject* parent = nullptr);

    // What get_connection tells the client about this very server.
    void setGreeting(const QString& line) { m_greeting = line; }
    QString greeting() const { return m_greeting; }
    void setTcpEndpoint(const QString& address, quint16 port);
    void setRequestUrl(const QString& url) { m_requestUrl = url; }

    ServerReply handle(const ServerRequest& request);

private:
    ServerReply getConnection(const ServerRequest& request);
    ServerReply getSettings(const ServerRequest& request);
    ServerReply getFile(const ServerRequest& request);

    ServerStore& m_store;
    QString m_greeting;
    QString m_tcpAddress;
    quint16 m_tcpPort = 0;
    QString m_requestUrl;
};
