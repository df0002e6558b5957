#include "link/tcpstream.h"

#include "link/textcodec.h"

#include <QAbstractSocket>
#include <QDeadlineTimer>
#include <QIODevice>

namespace {

QAbstractSocket* asSocket(QIODevice* device) {
    return qobject_cast<QAbstractSocket*>(device);
}

} // namespace

TcpStream::TcpStream(QIODevice* device)
    : m_device(device) {}

bool TcpStream::isConnected() const {
    if (!m_device || !m_device->isOpen())
        return false;
    QAbstractSocket* socket = asSocket(m_device);
    if (!socket)
        return true;
    if (socket->state() != QAbstractSocket::ConnectedState)
        return false;
    // Without an event loop the socket learns of a close only when it reads.
    if (socket->bytesAvailable() == 0)
        socket->waitForReadyRead(0);
    return socket->state() == QAbstractSocket::ConnectedState;
}

bool TcpStream::send(const QByteArray& bytes, QString* error) {
    if (!m_device || !m_device->isOpen() || !m_device->isWritable()) {
        if (error)
            *error = QStringLiteral("Not Connected");
        return false;
    }
    if (m_device->write(bytes) != bytes.size()) {
        if (error)
            *error = m_device->errorString();
        return false;
    }
    if (QAbstractSocket* socket = asSocket(m_device)) {
        QDeadlineTimer deadline(qMax(m_readTimeout, 1000));
        while (socket->bytesToWrite() > 0) {
            if (!socket->waitForBytesWritten(int(qMax<qint64>(deadline.remainingTime(), 0)))) {
                if (error)
                    *error = socket->errorString();
                return false;
            }
        }
    }
    return true;
}

bool TcpStream::waitMore(int timeoutMs, Read* failure) {
    QAbstractSocket* socket = asSocket(m_device);
    if (!socket) {
        // A plain device has everything already; more will not come.
        *failure = Read::Closed;
        return false;
    }
    if (socket->state() != QAbstractSocket::ConnectedState) {
        *failure = Read::Closed;
        return false;
    }
    if (timeoutMs <= 0) {
        *failure = Read::TimedOut;
        return false;
    }
    if (socket->waitForReadyRead(timeoutMs))
        return true;
    *failure = socket->state() == QAbstractSocket::ConnectedState ? Read::TimedOut : Read::Closed;
    // A failed wait that did not use up the time (e.g. an interrupted call) is retried.
    return false;
}

TcpStream::Read TcpStream::waitForData(int timeoutMs) {
    if (!m_device)
        return Read::Closed;
    QDeadlineTimer deadline(timeoutMs);
    while (m_device->bytesAvailable() == 0) {
        Read failure = Read::TimedOut;
        if (!waitMore(int(deadline.remainingTime()), &failure)) {
            if (failure == Read::TimedOut && !deadline.hasExpired())
                continue;
            return failure;
        }
    }
    return Read::Ok;
}

TcpStream::Read TcpStream::readLine(QString* line, int timeoutMs) {
    line->clear();
    if (!m_device)
        return Read::Closed;
    QDeadlineTimer deadline(timeoutMs);
    while (!m_device->canReadLine()) {
        if (m_device->bytesAvailable() > maxLineBytes)
            return Read::TooLong;
        Read failure = Read::TimedOut;
        if (!waitMore(int(deadline.remainingTime()), &failure)) {
            if (failure == Read::TimedOut && !deadline.hasExpired())
                continue;
            return failure;
        }
    }
    *line = TextCodec::decodeLine(m_device->readLine());
    return Read::Ok;
}

TcpStream::Read TcpStream::readBytes(qint64 count, QByteArray* out, int timeoutMs) {
    out->clear();
    if (!m_device)
        return Read::Closed;
    if (count > maxPayloadBytes)
        return Read::TooLong;
    QDeadlineTimer deadline(timeoutMs);
    qint64 seen = m_device->bytesAvailable();
    while (m_device->bytesAvailable() < count) {
        Read failure = Read::TimedOut;
        if (!waitMore(int(deadline.remainingTime()), &failure)) {
            if (failure == Read::TimedOut && !deadline.hasExpired())
                continue;
            return failure;
        }
        if (m_device->bytesAvailable() > seen) {
            seen = m_device->bytesAvailable();
            deadline.setRemainingTime(timeoutMs);
        }
    }
    *out = m_device->read(count);
    return out->size() == count ? Read::Ok : Read::Closed;
}

QByteArray TcpStream::takeAvailable() {
    if (!m_device || !m_device->isOpen())
        return {};
    QByteArray all = m_device->readAll();
    if (QAbstractSocket* socket = asSocket(m_device)) {
        while (socket->state() == QAbstractSocket::ConnectedState && socket->waitForReadyRead(0))
            all += socket->readAll();
        all += socket->readAll();
    }
    return all;
}

QString TcpStream::readError(Read r) {
    switch (r) {
    case Read::Ok:
        return {};
    case Read::TimedOut:
        return QStringLiteral("Read timed out.");
    case Read::Closed:
        return QStringLiteral("Connection Closed Gracefully.");
    case Read::TooLong:
        return QStringLiteral("Max line length exceeded.");
    }
    return {};
}
