#include "scriptedpeer.h"

#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

ScriptedPeer::ScriptedPeer() {
    m_thread.start();
    moveToThread(&m_thread);
}

ScriptedPeer::~ScriptedPeer() {
    QMetaObject::invokeMethod(
        this,
        [this] {
            delete m_server;
            m_server = nullptr;
            m_socket = nullptr;
            moveToThread(m_thread.thread());
        },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

quint16 ScriptedPeer::start(const QList<Step>& script) {
    quint16 port = 0;
    QMetaObject::invokeMethod(
        this, [this, script, &port] { startInThread(script, &port); }, Qt::BlockingQueuedConnection);
    return port;
}

void ScriptedPeer::startInThread(const QList<Step>& script, quint16* port) {
    m_script = script;
    m_server = new QTcpServer();
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        QTcpSocket* socket = m_server->nextPendingConnection();
        if (m_socket) {
            socket->abort();
            return;
        }
        m_socket = socket;
        m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(m_socket, &QTcpSocket::readyRead, this, &ScriptedPeer::onReadyRead);
        play();
    });
    m_server->listen(QHostAddress::LocalHost, 0);
    *port = m_server->serverPort();
}

QByteArray ScriptedPeer::received() const {
    QMutexLocker lock(&m_mutex);
    return m_received;
}

void ScriptedPeer::onReadyRead() {
    const QByteArray bytes = m_socket->readAll();
    {
        QMutexLocker lock(&m_mutex);
        m_received += bytes;
    }
    play();
}

void ScriptedPeer::play() {
    if (m_waiting || !m_socket || m_script.isEmpty())
        return;
    const Step& step = m_script.first();
    const qsizetype have = received().size() - m_stepStart;
    if (have < step.expectBytes)
        return;
    m_waiting = true;
    QTimer::singleShot(step.delayMs, m_socket, [this] {
        m_waiting = false;
        if (!m_socket || m_script.isEmpty())
            return;
        const Step step = m_script.takeFirst();
        m_stepStart += step.expectBytes;
        for (const QByteArray& chunk : step.chunks) {
            m_socket->write(chunk);
            m_socket->flush();
            m_socket->waitForBytesWritten(1000);
        }
        if (step.close) {
            m_socket->disconnectFromHost();
            return;
        }
        play();
    });
}

QList<QByteArray> ScriptedPeer::chunked(const QByteArray& bytes, int size) {
    QList<QByteArray> chunks;
    for (qsizetype i = 0; i < bytes.size(); i += size)
        chunks.append(bytes.mid(i, size));
    return chunks;
}
