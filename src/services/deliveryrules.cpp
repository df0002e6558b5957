#include "services/deliveryrules.h"

namespace {

// A unit or quantity that is no number, or 0 or less, counts as 1.
int positive(const QString& text) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok && n > 0 ? n : 1;
}

} // namespace

int DeliveryRules::roundToUnit(const QString& unit, const QString& quantity, bool fixed, bool force) {
    const int te = positive(unit);
    const int q = positive(quantity);
    if (te > 1 && (fixed || force) && q % te != 0)
        return (q / te + 1) * te;
    return q;
}

QString DeliveryRules::defaultRoundToTE(const QString& menge, const QString& te) {
    if (menge.trimmed().toInt() <= 0)
        return QStringLiteral("0");
    return QString::number(roundToUnit(te, menge, false, true));
}
