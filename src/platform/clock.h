#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QThread>

// Wall time, tick count and the offset to the server's clock. Tests use a
// clock they can set.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds since an arbitrary start, monotonic (GetTickCount).
    virtual qint64 tickCount() const = 0;
    // Waits without processing messages (Sleep).
    virtual void pause(int ms) const = 0;

    qint64 serverTimeOffsetMs() const { return m_serverOffsetMs; }
    void setServerTimeOffsetMs(qint64 ms) { m_serverOffsetMs = ms; }
    QDateTime serverNow() const { return now().addMSecs(m_serverOffsetMs); }

private:
    qint64 m_serverOffsetMs = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock() { m_timer.start(); }
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 tickCount() const override { return m_timer.elapsed(); }
    void pause(int ms) const override { QThread::msleep(ulong(ms)); }

private:
    QElapsedTimer m_timer;
};
