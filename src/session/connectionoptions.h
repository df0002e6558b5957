#pragma once

#include <QList>
#include <QPair>
#include <QString>

class LokalIni;
class UserOptions;

// The connection values in force: INI start values, then the server's.
struct ConnectionSettings {
    int connectTimeout = 7000;
    int readTimeout = 180000;
    int pingInterval = 300000;
    int pingTimeout = 20000;
    int idleTime = 180000; // _IdleTime
    bool disconnectErlaubt = true;
    bool ping = false;
    friend bool operator==(const ConnectionSettings&, const ConnectionSettings&) = default;
};

// The connection options of the login and their write-back into the INI,
// so that the next start already uses them.
class ConnectionOptions {
public:
    // One INI write: section, key, value.
    struct IniWrite {
        QString section;
        QString key;
        QString value;
        friend bool operator==(const IniWrite&, const IniWrite&) = default;
    };

    // settingsIdleTime: the idle interval of get_settings (default 180000).
    static ConnectionSettings apply(const UserOptions& options, const ConnectionSettings& current,
                                    int settingsIdleTime, QList<IniWrite>* writes);
    static void write(const LokalIni& ini, const QList<IniWrite>& writes);
};
