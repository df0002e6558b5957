#include "link/tcpconnection.h"

#include <QTcpSocket>

TcpConnection::TcpConnection(QObject* parent)
    : QObject(parent)
    , m_socket(new QTcpSocket(this))
    , m_stream(m_socket) {
    connect(m_socket, &QTcpSocket::connected, this, &TcpConnection::connected);
    connect(m_socket, &QTcpSocket::disconnected, this, &TcpConnection::disconnected);
}

TcpConnection::~TcpConnection() = default;

bool TcpConnection::connectToServer(QString* error) {
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->abort();
    m_socket->connectToHost(m_host, m_port, QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
    if (m_socket->waitForConnected(m_connectTimeout)) {
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }
    if (error)
        *error = m_socket->error() == QAbstractSocket::SocketTimeoutError
                     ? QStringLiteral("Connect timed out.")
                     : m_socket->errorString();
    m_socket->abort();
    return false;
}

void TcpConnection::disconnectFromServer() {
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        return;
    m_socket->disconnectFromHost();
    if (m_socket->state() != QAbstractSocket::UnconnectedState)
        m_socket->waitForDisconnected(qMin(m_stream.readTimeout(), 1000));
    m_socket->abort();
}

void TcpConnection::abort() {
    m_socket->abort();
}
