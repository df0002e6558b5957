#include "order/quantityrules.h"

namespace QuantityRules {

namespace {

int positive(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 1;
}

} // namespace

int roundToTE(const QString& unit, const QString& quantity, bool fixed, bool force) {
    const int te = positive(unit);
    const int q = positive(quantity);
    if (te > 1 && (fixed || force) && q % te != 0)
        return (q / te + 1) * te;
    return q;
}

Divided divideByBookingGroup(int importRow, const QString& artikel, const QString& buchGr,
                             const QString& menge, const QHash<QString, int>& divisors, bool useDivisors,
                             const QString& te, bool fixed, bool teErhoehen) {
    Divided out;
    QString current = menge.trimmed();
    const int divisor = divisors.value(buchGr.trimmed(), 0);
    if (useDivisors && divisor > 0) {
        const int before = positive(current);
        const int after = (before + divisor - 1) / divisor;
        if (after != before) {
            out.hint =
                QStringLiteral("Hinweis: Zeile %1 Menge geändert für Artikel %2 Buchgruppe %3 Divisor=%4 "
                               "Menge original=%5 Menge neu=%6")
                    .arg(importRow)
                    .arg(artikel, buchGr.trimmed())
                    .arg(divisor)
                    .arg(menge.trimmed())
                    .arg(after);
        }
        current = QString::number(after);
    }
    out.menge = roundToTE(te, current, fixed, teErhoehen);
    return out;
}

} // namespace QuantityRules
