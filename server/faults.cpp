#include "faults.h"

bool FaultTable::add(const QString& spec, QString* error) {
    const qsizetype colon = spec.indexOf(QLatin1Char(':'));
    const QString code = spec.left(colon).trimmed();
    const QString rest = colon < 0 ? QString() : spec.mid(colon + 1);
    const qsizetype eq = rest.indexOf(QLatin1Char('='));
    const QString kind = rest.left(eq).trimmed();
    const QString value = eq < 0 ? QString() : rest.mid(eq + 1);
    bool numeric = false;
    code.toInt(&numeric);
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("invalid fault \"%1\": %2").arg(spec, why);
        return false;
    };
    if (colon < 0 || !numeric)
        return fail(QStringLiteral("expected CODE:KIND[=VALUE]"));
    Fault& f = m_faults[code];
    if (kind == QLatin1String("delay")) {
        bool ok = false;
        f.delayMs = value.toInt(&ok);
        if (!ok || f.delayMs < 0)
            return fail(QStringLiteral("delay needs milliseconds"));
    } else if (kind == QLatin1String("close")) {
        f.close = true;
    } else if (kind == QLatin1String("garbage")) {
        f.garbageCount = value.isEmpty() ? QStringLiteral("abc") : value;
    } else if (kind == QLatin1String("error")) {
        f.errorLine = value.isEmpty() ? QStringLiteral("ERR_UNKNOWN_REQUEST") : value;
    } else if (kind == QLatin1String("soapcode")) {
        bool ok = false;
        f.soapErrorCode = value.toInt(&ok);
        if (!ok)
            return fail(QStringLiteral("soapcode needs a number"));
    } else {
        return fail(QStringLiteral("unknown kind \"%1\"").arg(kind));
    }
    return true;
}
