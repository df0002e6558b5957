#pragma once

// Backorder or procurement of a line that stock cannot serve.
class ProcurementDecision {
public:
    virtual ~ProcurementDecision() = default;

    // Click on "Logo" of a row that waits for the decision.
    virtual void openBeschaffung(int row) = 0;
};
