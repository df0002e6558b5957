#pragma once

#include "platform/ending.h"

#include <functional>

class Dialogs;
class Logger;

// The real ending routines. The connection and the counters are reached
// through hooks, which the session sets once they exist.
class EndingRoutines final : public Ending {
public:
    struct Hooks {
        std::function<bool()> isTcp;
        std::function<void()> setTimeoutsTo100; // TCP connect and read time-outs
        std::function<bool()> connectionClosing;
        std::function<void()> disconnect;
        std::function<void(const QString&)> saveCounter;
        std::function<void()> quit; // ends the message loop
    };

    EndingRoutines(Logger& log, Dialogs& dialogs, Hooks hooks = {});

    void setHooks(Hooks hooks) { m_hooks = std::move(hooks); }
    Hooks& hooks() { return m_hooks; }

    void myterminate(const QString& info, const QString& text) override;
    void SetTerminateTimeout_halt(const QString& message, bool disconnect, bool save) override;

    int destroyStatus() const override { return m_status; }
    void setDestroyStatus(int status) override;
    bool closing() const override { return m_closing; }
    void setClosing(bool closing) override { m_closing = closing; }

    static QString title() { return QStringLiteral("Anwendung wird beendet."); }

private:
    bool isTcp() const { return m_hooks.isTcp && m_hooks.isTcp(); }

    Logger& m_log;
    Dialogs& m_dialogs;
    Hooks m_hooks;
    int m_status = Running;
    bool m_closing = false;
};
