#include "startupsettings.h"

#include "model/scramble.h"
#include "session/lokalini.h"

namespace {
QString upperTrimmed(const QString& s) {
    return s.trimmed().toUpper();
}

// Negative time-outs fall back to the given value.
int timeout(const LokalIni& ini, const QString& key, int fallback, int negative) {
    const int value = iniInt(ini.read(QStringLiteral("RUNTIME"), key, QString::number(fallback)), fallback);
    return value < 0 ? negative : value;
}
} // namespace

int iniInt(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : fallback;
}

QRect StartupSettings::correctedGeometry(int top, int left, int width, int height, const QRect& workArea,
                                         const QRect& desktop) {
    if (top < 0 || top > workArea.height() - 50)
        top = 10;
    if (left < desktop.left() || left > desktop.right() - 100)
        left = desktop.left() + 10;
    width = qMin(width, workArea.width() - 20);
    height = qMin(height, workArea.height() - 20);
    return QRect(left, top, width, height);
}

StartupSettings StartupSettings::read(const LokalIni& ini, const QRect& workArea, const QRect& desktop) {
    StartupSettings s;
    const QString options = QStringLiteral("OPTIONS");
    s.nightlyThreshold = iniInt(ini.read(options, QStringLiteral("_23Uhr58"), QStringLiteral("999")), 999);
    s.autoOrderMode =
        upperTrimmed(ini.read(QStringLiteral("MODE"), QStringLiteral("AutoOrder"))) == QLatin1String("ON");
    s.writeLogFile = upperTrimmed(ini.read(QStringLiteral("LOG"), QStringLiteral("WRITE_LOGFILE"),
                                           QStringLiteral("ON"))) == QLatin1String("ON");

    const QString mainform = QStringLiteral("MAINFORM");
    const int top = iniInt(ini.read(mainform, QStringLiteral("Top")), workArea.top() + 10);
    const int left = iniInt(ini.read(mainform, QStringLiteral("Left")), workArea.left() + 10);
    const int width = iniInt(ini.read(mainform, QStringLiteral("Width")), 1140);
    const int height = iniInt(ini.read(mainform, QStringLiteral("Height")), 790);
    s.geometry = correctedGeometry(top, left, width, height, workArea, desktop);
    s.maximized = iniInt(ini.read(mainform, QStringLiteral("WindowState"), QStringLiteral("0")), 0) == 2;

    for (int i = 0;; ++i) {
        const QString id = ini.read(QStringLiteral("EMailIDs"), QString::number(i));
        if (id.isEmpty())
            break;
        s.emailIds.append(id);
    }

    s.autoLogin = upperTrimmed(ini.read(options, QStringLiteral("AUTOLOGIN"), QStringLiteral("ON"))) !=
                  QLatin1String("OFF");
    s.keepPassword = upperTrimmed(ini.read(options, QStringLiteral("LOGIN_PASSWORT_SPEICHERN"),
                                           QStringLiteral("ON"))) == QLatin1String("ON");
    const QString ping = ini.read(options, QStringLiteral("PING"), QStringLiteral("Off")).trimmed();
    s.ping = !ping.isEmpty() && ping.compare(QLatin1String("Off"), Qt::CaseInsensitive) != 0;
    s.belegeAlleZeilen =
        iniInt(ini.read(options, QStringLiteral("BELEGE_ALLEZEILEN"), QStringLiteral("0")), 0);
    s.sortBelege = iniInt(ini.read(options, QStringLiteral("SORTBELEGE"), QStringLiteral("0")), 0);

    const QString user = QStringLiteral("USER");
    s.userId = ini.read(user, QStringLiteral("ID"));
    s.kundennr = ini.read(user, QStringLiteral("Kundennr"));
    s.kaldoId = ini.read(user, QStringLiteral("KALDO_ID"));
    s.hash = Scramble::readStored(ini.read(user, QStringLiteral("HASH")));

    const QString runtime = QStringLiteral("RUNTIME");
    s.isSoapIni = upperTrimmed(ini.read(runtime, QStringLiteral("IS_SOAP"))) == QLatin1String("ON");
    s.connectTimeout = timeout(ini, QStringLiteral("CONNECT_TIMEOUT"), 7000, 7000);
    s.readTimeout = timeout(ini, QStringLiteral("READ_TIMEOUT"), 180000, 20000);
    s.pingInterval = timeout(ini, QStringLiteral("PING_INTERVAL"), 300000, 300000);
    s.pingTimeout = timeout(ini, QStringLiteral("PING_TIMEOUT"), 20000, 20000);

    const QString language = QStringLiteral("LANGUAGE");
    s.languageFile = ini.read(language, QStringLiteral("LANGUAGE_FILENAME")).trimmed();
    s.loadLanguage =
        upperTrimmed(ini.read(language, QStringLiteral("LOAD_LANGUAGE"))) != QLatin1String("OFF");

    s.computerNameOn = upperTrimmed(ini.read(runtime, QStringLiteral("COMPUTERNAME"),
                                             QStringLiteral("ON"))) == QLatin1String("ON");
    s.winUserOn = upperTrimmed(ini.read(runtime, QStringLiteral("WINUSER"), QStringLiteral("ON"))) ==
                  QLatin1String("ON");
    return s;
}
