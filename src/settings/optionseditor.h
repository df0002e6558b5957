#pragma once

#include "session/clientoptions.h"

#include <QObject>
#include <QStringList>

class Dialogs;
class LokalIni;
class Logger;
class Session;

// The options window's logic: the snapshot at opening, the settings that
// change while the window is open, the master check and the save into the
// INI and the server's user options.
class OptionsEditor : public QObject {
    Q_OBJECT
public:
    struct Seams {
        Logger& log;
        Dialogs& dialogs;
    };

    OptionsEditor(Seams seams, Session& session, const LokalIni& ini, QObject* parent = nullptr);

    // Opening: the snapshot and the working copy of the session's settings.
    void begin();
    ClientOptions& options() { return m_options; }
    Dialogs& dialogs() { return m_s.dialogs; }
    Logger& log() { return m_s.log; }
    const ClientOptions& snapshot() const { return m_snapshot; }

    // Live rules: the setting changes at once and the program follows.
    void setAutoLogin(bool on);
    void setPasswortSpeichern(bool on);
    void setShowPreis(int index);
    // Leaving the confirmation address: an unusable address with a
    // confirmation other than "never" is refused and the confirmation goes
    // back to "never"; the address is kept in any case. False when refused.
    bool confirmEmail(const QString& address);
    // "SysOption": what the text switches, when it switches.
    ClientOptions::SysSwitches sysSwitches() const { return ClientOptions::sysSwitches(m_options.sysOption); }

    // "Abbrechen": every setting back to the snapshot.
    void cancel();
    // "Ok": the settings of the run, the INI and the server's user options.
    // extra: further pairs for the server, key and value each followed by a TAB.
    void accept(const QString& extra = {});
    // The pairs that the last save could not send; the next save sends them again.
    QStringList pendingPairs() const { return m_pending; }

    // "Erlaubnis prüfen, Optionen freigeben": true when the master is entitled.
    bool checkMaster(const QString& user, const QString& password);
    bool masterEntitled() const { return m_masterEntitled; }
    // "Optionen eingeschränkt änderbar": the entitlement ends for the run
    // after one more save.
    void restrict();

    // The keep-alive while the window is open (TCP): a short article query.
    bool keepAlive(QString* error);

Q_SIGNALS:
    // A setting changed that the program shows at once (price display).
    void liveChanged();
    // The settings were stored ("Ok").
    void saved();

private:
    void takeLive();

    Seams m_s;
    Session& m_session;
    const LokalIni& m_ini;
    ClientOptions m_options;
    ClientOptions m_snapshot;
    QStringList m_pending;
    QString m_masterUser;
    QString m_masterPassword;
    bool m_masterEntitled = false;
    bool m_masterSave = false;
    bool m_restricted = false;
    bool m_entitlementEnded = false;
};
