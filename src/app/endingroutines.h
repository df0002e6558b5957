#pragma once

#include "model/uitexts.h"
#include "platform/ending.h"

class Dialogs;
class EndingTarget;
class Logger;

// The real ending routines. They exist before anything else of the client;
// the connection, the counters and the message loop are reached through the
// target that the composition root sets once it has built them. Without a
// target an end only changes the ending state.
class EndingRoutines final : public Ending {
public:
    EndingRoutines(Logger& log, Dialogs& dialogs);

    void setTarget(EndingTarget* target) { m_target = target; }

    void myterminate(const QString& info, const QString& text) override;
    void SetTerminateTimeout_halt(const QString& message, bool disconnect, bool save) override;

    int destroyStatus() const override { return m_status; }
    void setDestroyStatus(int status) override;
    bool closing() const override { return m_closing; }
    void setClosing(bool closing) override { m_closing = closing; }

    static QString title() { return Txt::get(Txt::AnwendungEnde); }

private:
    bool isTcp() const;

    Logger& m_log;
    Dialogs& m_dialogs;
    EndingTarget* m_target = nullptr;
    int m_status = Running;
    bool m_closing = false;
};
