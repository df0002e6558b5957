#pragma once

#include <QHash>
#include <QString>

// Quantities of draft lines: the technical unit and the booking-group divisor.
namespace QuantityRules {

// The largest quantity one entry places.
inline constexpr int maxMenge = 5000;

// A quantity rounded up to a multiple of the technical unit when the unit is
// fixed or the rounding is forced. A unit or quantity that is no number, or 0
// or less, counts as 1.
int roundToTE(const QString& unit, const QString& quantity, bool fixed, bool force);

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
