#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {
QString lockFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
} // namespace

SingleInstance::SingleInstance(const QString& executablePath, QObject* parent)
    : QObject(parent)
    , m_name(semaphoreName(executablePath)) {
    // Socket and lock names stay short whatever the path length.
    const QByteArray digest =
        QCryptographicHash::hash(m_name.toUtf8(), QCryptographicHash::Sha1).toHex().left(20);
    m_socketName = QStringLiteral("qtx-client-") + QString::fromLatin1(digest);
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::semaphoreName(const QString& executablePath) {
    QString name = executablePath;
    name.replace(QLatin1Char('\\'), QLatin1Char('-')).replace(QLatin1Char('/'), QLatin1Char('-'));
    return name;
}

bool SingleInstance::acquire() {
    m_lock =
        std::make_unique<QLockFile>(lockFolder() + QLatin1Char('/') + m_socketName + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(0); // stale only when its process is gone
    if (!m_lock->tryLock(0)) {
        m_primary = false;
        return false;
    }
    m_primary = true;
    QLocalServer::removeServer(m_socketName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(m_socketName);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                while (socket->canReadLine()) {
                    const QList<QByteArray> parts = socket->readLine().trimmed().split(' ');
                    if (parts.value(0) == importMessageName)
                        Q_EMIT importMessageReceived(parts.value(1).toInt(), parts.value(2).toInt());
                    else if (parts.value(0) == "ACTIVATE")
                        Q_EMIT activateRequested();
                }
            });
        }
    });
    return true;
}

bool SingleInstance::send(const QByteArray& line, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(m_socketName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(line);
    const bool ok = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return ok;
}

bool SingleInstance::sendImportMessage(int wParam, int lParam, int timeoutMs) {
    return send(QByteArray(importMessageName) + ' ' + QByteArray::number(wParam) + ' ' +
                    QByteArray::number(lParam) + '\n',
                timeoutMs);
}

bool SingleInstance::sendActivate(int timeoutMs) {
    return send(QByteArrayLiteral("ACTIVATE\n"), timeoutMs);
}
