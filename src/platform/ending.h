#pragma once

#include <QString>

// The two routines through which the program ends, and the ending state that
// other code consults to skip work while the program goes down.
class Ending {
public:
    // Values of the ending state.
    enum DestroyStatus { Running = 0, EndRequested = 1, Destroying = 2, Destroyed = 99 };

    virtual ~Ending() = default;

    // Immediate end: state 1, closing flag, log line, optional text, quit.
    virtual void myterminate(const QString& info, const QString& text) = 0;
    // End after an optional message box; may disconnect and save counters first.
    virtual void SetTerminateTimeout_halt(const QString& message, bool disconnect, bool save) = 0;

    virtual int destroyStatus() const = 0;
    virtual void setDestroyStatus(int status) = 0;
    virtual bool closing() const = 0;
    virtual void setClosing(bool closing) = 0;

    bool ending() const { return destroyStatus() > Running; }
};
