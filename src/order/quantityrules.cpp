#include "order/quantityrules.h"

#include "services/deliveryrules.h"

namespace QuantityRules {

Divided divideByBookingGroup(int importRow, const QString& artikel, const QString& buchGr,
                             const QString& menge, const QHash<QString, int>& divisors, bool useDivisors,
                             const QString& te, bool fixed, bool teErhoehen) {
    Divided out;
    QString current = menge.trimmed();
    const int divisor = divisors.value(buchGr.trimmed(), 0);
    if (useDivisors && divisor > 0) {
        // The quantity as a number of at least 1 (a unit of 1 rounds nothing).
        const int before = DeliveryRules::roundToUnit(QStringLiteral("1"), current, false, false);
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
    out.menge = DeliveryRules::roundToUnit(te, current, fixed, teErhoehen);
    return out;
}

} // namespace QuantityRules
