#pragma once

#include <QHash>
#include <QString>

// Quantities of draft lines: the largest entry and the booking-group divisor
// (the technical unit is DeliveryRules::roundToUnit).
namespace QuantityRules {

// The largest quantity one entry places.
inline constexpr int maxMenge = 5000;

// An imported quantity divided by its booking group's divisor (rounded up),
// then rounded to the technical unit; the hint for the import's error list
// when the divisor changed it.
struct Divided {
    int menge = 0;
    QString hint;
};
Divided divideByBookingGroup(int importRow, const QString& artikel, const QString& buchGr,
                             const QString& menge, const QHash<QString, int>& divisors, bool useDivisors,
                             const QString& te, bool fixed, bool teErhoehen);

} // namespace QuantityRules
