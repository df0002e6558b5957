#include "model/conversions.h"

namespace Convert {

int toIntDef(QStringView text, int defaultValue) {
    int value = 0;
    return tryToInt(text, value) ? value : defaultValue;
}

qint64 toInt64Def(QStringView text, qint64 defaultValue) {
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    return ok ? value : defaultValue;
}

bool tryToInt(QStringView text, int& value) {
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (ok)
        value = v;
    return ok;
}

double toFloatDef(QStringView text, double defaultValue) {
    QString normal = text.trimmed().toString();
    // Either separator may stand for the decimals, but only once.
    if (normal.count(u',') + normal.count(u'.') > 1)
        return defaultValue;
    normal.replace(u',', u'.');
    bool ok = false;
    const double value = normal.toDouble(&ok);
    return ok ? value : defaultValue;
}

bool isFlagSet(QStringView text) {
    const QStringView t = text.trimmed();
    for (const char* on : {"1", "J", "JA", "ON", "TRUE"}) {
        if (t.compare(QLatin1StringView(on), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace Convert
