#include "session/connectionoptions.h"

#include "session/lokalini.h"
#include "session/useroptions.h"

namespace {

const QString runtime = QStringLiteral("RUNTIME");

// A present numeric option replaces the value; a changed one is written back.
void takeNumber(const UserOptions& options, const QString& key, int& value,
                QList<ConnectionOptions::IniWrite>* w) {
    bool found = false;
    const QString text = options.value(key, false, &found).trimmed();
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!found || !ok || n == value)
        return;
    value = n;
    if (w)
        w->append({runtime, key, text});
}

} // namespace

ConnectionSettings ConnectionOptions::apply(const UserOptions& options, const ConnectionSettings& current,
                                            int settingsIdleTime, QList<IniWrite>* writes) {
    ConnectionSettings s = current;
    takeNumber(options, QStringLiteral("CONNECT_TIMEOUT"), s.connectTimeout, writes);
    takeNumber(options, QStringLiteral("READ_TIMEOUT"), s.readTimeout, writes);
    takeNumber(options, QStringLiteral("PING_INTERVAL"), s.pingInterval, writes);
    takeNumber(options, QStringLiteral("PING_TIMEOUT"), s.pingTimeout, writes);

    // Shorter idle intervals than 10 s would cut every pause in typing.
    bool found = false;
    const QString idleText = options.value(QStringLiteral("IDLE_DISCONNECT"), false, &found).trimmed();
    bool ok = false;
    const int idle = idleText.toInt(&ok);
    s.idleTime = found && ok && idle >= 10000 ? idle : (settingsIdleTime > 0 ? settingsIdleTime : 180000);
    if (found && ok && idle >= 10000 && idle != current.idleTime && writes)
        writes->append({runtime, QStringLiteral("IDLE_DISCONNECT"), idleText});

    const QString erlaubt = options.value(QStringLiteral("DISCONNECT_ERLAUBT"), false, &found).trimmed();
    if (found) {
        s.disconnectErlaubt = erlaubt.compare(QStringLiteral("OFF"), Qt::CaseInsensitive) != 0;
        if (s.disconnectErlaubt != current.disconnectErlaubt && writes)
            writes->append({runtime, QStringLiteral("DISCONNECT_ERLAUBT"), erlaubt});
    }

    const QString ping = options.value(QStringLiteral("PING"), false, &found).trimmed();
    const bool pingValue = !ping.isEmpty() && ping.compare(QStringLiteral("Off"), Qt::CaseInsensitive) != 0;
    // A keep-alive only makes sense while the idle disconnect is forbidden.
    // Without the option the start value (OPTIONS/PING) stays.
    s.ping = found ? pingValue && !s.disconnectErlaubt : current.ping;
    if (found && writes)
        writes->append({QStringLiteral("OPTIONS"), QStringLiteral("PING"), ping});
    return s;
}

void ConnectionOptions::write(const LokalIni& ini, const QList<IniWrite>& writes) {
    for (const IniWrite& w : writes)
        ini.write(w.section, w.key, w.value);
}
