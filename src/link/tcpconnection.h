#pragma once

#include "link/tcpstream.h"

#include <QObject>
#include <QString>

class QTcpSocket;

// The one TCP connection of the session (`Client`). All I/O blocks the
// calling thread in the socket's waitFor functions; no event loop runs
// while a request waits.
class TcpConnection : public QObject {
    Q_OBJECT
public:
    explicit TcpConnection(QObject* parent = nullptr);
    ~TcpConnection() override;

    // Design values; do_connect overwrites them from the configuration.
    QString host() const { return m_host; }
    void setHost(const QString& host) { m_host = host; }
    quint16 port() const { return m_port; }
    void setPort(quint16 port) { m_port = port; }
    int connectTimeout() const { return m_connectTimeout; }
    void setConnectTimeout(int ms) { m_connectTimeout = ms; }
    int readTimeout() const { return m_stream.readTimeout(); }
    void setReadTimeout(int ms) { m_stream.setReadTimeout(ms); }

    TcpStream& stream() { return m_stream; }
    QTcpSocket* socket() const { return m_socket; }

    // Connects over IPv4 and waits at most the connect time-out.
    bool connectToServer(QString* error);
    bool isConnected() const { return m_stream.isConnected(); }
    // Orderly close: waits briefly for the goodbye to leave.
    void disconnectFromServer();
    // Hard close.
    void abort();

Q_SIGNALS:
    void connected();
    void disconnected();

private:
    QTcpSocket* m_socket;
    TcpStream m_stream;
    QString m_host;
    quint16 m_port = 52099;
    int m_connectTimeout = 15000;
};
