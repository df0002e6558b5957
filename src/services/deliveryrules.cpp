#include "services/deliveryrules.h"

#include <algorithm>

QString DeliveryRules::defaultRoundToTE(const QString& menge, const QString& te) {
    const int unit = te.trimmed().toInt();
    const int m = menge.trimmed().toInt();
    if (unit <= 1 || m <= 0)
        return QString::number(std::max(m, 0));
    return QString::number((m + unit - 1) / unit * unit);
}
