#include "session/countingoption.h"

#include "link/requests/customerrequests.h"
#include "link/serverlink.h"
#include "session/useroptions.h"

QString CountingOption::read_inkrement(ServerLink& link, const QString& Schluesselname,
                                       const QString& Artikel) {
    QList<TBenutzerOption> read;
    const LinkAnswer r = MyReadBenutzerOptions(link, QStringLiteral("1"), Schluesselname, read);
    QString stored;
    if (r.ok() && r.lines.size() > 1)
        stored = UserOptions(read).value(Schluesselname);
    QString value;
    if (!Artikel.isNull()) {
        const QString text = Artikel.left(25);
        if (stored.isEmpty()) {
            value = text;
        } else {
            if (stored.size() + text.size() > 3998) {
                const qsizetype semi = stored.indexOf(QLatin1Char(';'));
                stored = semi >= 0 ? stored.mid(semi + 1) : stored.mid(25);
            }
            value = stored + QLatin1Char(';') + text;
        }
    } else {
        value = QString::number(stored.trimmed().toLongLong() + 1);
    }
    const LinkAnswer w = MyWriteBenutzerOptions(link, QString(), QString(), {{Schluesselname, value}});
    return w.ok() ? value : w.errorText;
}
