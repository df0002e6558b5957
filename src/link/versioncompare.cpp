#include "link/versioncompare.h"

#include <QStringList>

namespace VersionCompare {

namespace {

QString unquote(QString v) {
    v = v.trimmed();
    if (v.size() >= 2 && v.startsWith(QLatin1Char('"')) && v.endsWith(QLatin1Char('"')))
        v = v.mid(1, v.size() - 2);
    return v;
}

} // namespace

VersionComparison compare(const QString& ist, const QString& soll) {
    VersionComparison c;
    const QString a = unquote(ist);
    const QString b = unquote(soll);
    const QStringList pa = a.split(QLatin1Char('.'));
    const QStringList pb = b.split(QLatin1Char('.'));
    if (pa.size() != 4) {
        c.errorText =
            QStringLiteral("Ist-Versionsnummer \"") + a + QStringLiteral("\" hat mehr als 4 Stellen.");
        return c;
    }
    if (pb.size() != 4) {
        c.errorText =
            QStringLiteral("Soll-Versionsnummer \"") + b + QStringLiteral("\" hat mehr als 4 Stellen.");
        return c;
    }
    c.ok = true;
    for (int i = 0; i < 4; ++i) {
        // A part that is no number counts as 0, so a sloppy version still compares.
        const qlonglong x = pa.at(i).trimmed().toLongLong();
        const qlonglong y = pb.at(i).trimmed().toLongLong();
        if (x != y) {
            c.result = x > y ? -1 : 1;
            return c;
        }
    }
    c.result = 0;
    return c;
}

bool isNewer(const QString& version, const QString& threshold) {
    const VersionComparison c = compare(version, threshold);
    return c.ok && c.result == -1;
}

} // namespace VersionCompare
