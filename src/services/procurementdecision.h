#pragma once

#include <QString>

// Backorder or procurement of a line that stock cannot serve.
class ProcurementDecision {
public:
    virtual ~ProcurementDecision() = default;

    // Click on "Logo" of a row that waits for the decision.
    virtual void openBeschaffung(int row) = 0;
    // A rest of a quantity entry that no branch could take (Setze_Rueck_Beschaff):
    // true when the decision took it; false leaves it on the line, where the
    // server holds it as backorder.
    virtual bool Setze_Rueck_Beschaff(int row, int rest, const QString& mitverkaufMenge) = 0;
};
