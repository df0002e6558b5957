#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

// Blocking line and byte I/O on one device, without an event loop: the
// caller's thread waits in waitForReadyRead. Works on a QTcpSocket and on
// any other QIODevice (a QBuffer feeds the readers in tests and fuzzing).
class TcpStream {
public:
    enum class Read { Ok, TimedOut, Closed, TooLong };

    // Lines longer than this without a line break are not waited for.
    static constexpr qint64 maxLineBytes = 1 << 20;
    // Announced payloads above this are refused instead of buffered.
    static constexpr qint64 maxPayloadBytes = qint64(256) << 20;

    explicit TcpStream(QIODevice* device = nullptr);

    QIODevice* device() const { return m_device; }
    void setDevice(QIODevice* device) { m_device = device; }

    // The connection's ordinary read time-out in ms.
    int readTimeout() const { return m_readTimeout; }
    void setReadTimeout(int ms) { m_readTimeout = ms; }
    // The fixed wait for status lines (60000 ms).
    int statusTimeout() const { return m_statusTimeout; }
    void setStatusTimeout(int ms) { m_statusTimeout = ms; }

    // Open and, for a socket, still connected. A peer's close that arrived
    // while nobody read is noticed here.
    bool isConnected() const;

    // Writes everything in one piece and waits until it left. False with a reason.
    bool send(const QByteArray& bytes, QString* error);

    Read waitForData(int timeoutMs);
    // One line up to LF, UTF-8, CR LF removed.
    Read readLine(QString* line, int timeoutMs);
    // Exactly count bytes; the time-out restarts whenever data arrives.
    Read readBytes(qint64 count, QByteArray* out, int timeoutMs);
    // All that is buffered now, also what the system holds for us.
    QByteArray takeAvailable();
    void discardInput() { takeAvailable(); }

    static QString readError(Read r);

private:
    bool waitMore(int timeoutMs, Read* failure);

    QIODevice* m_device = nullptr;
    int m_readTimeout = 20000;
    int m_statusTimeout = 60000;
};
