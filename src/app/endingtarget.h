#pragma once

#include <QString>

// What the ending routines act on: the connection, the counters and the
// message loop. The composition root provides it once the client is built.
class EndingTarget {
public:
    virtual ~EndingTarget() = default;

    virtual bool isTcp() const = 0;
    // TCP connect and read time-outs of 100 ms, so that a dead server does not delay the end.
    virtual void setTimeoutsTo100() = 0;
    // The connection is already closed or closing.
    virtual bool connectionClosing() const = 0;
    virtual void disconnect() = 0;
    // save_counter: counters and usage statistics into the local files.
    virtual void saveCounter(const QString& info) = 0;
    // Ends the message loop.
    virtual void quit() = 0;
};
