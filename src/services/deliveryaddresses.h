#pragma once

#include <QString>

// Delivery addresses, tours and order deadlines.
class DeliveryAddresses {
public:
    virtual ~DeliveryAddresses() = default;

    // The order-deadline tables, loaded with the customer's data.
    virtual void loadOrderDeadlines() = 0;
    // The tour check after a mark was set (checkFahrt); 0 when the line may stay marked.
    virtual int checkFahrt(int row) = 0;
    // Delivery-time text of a marked row, the hint over its "Logo" cell.
    virtual QString lieferzeitText(int row) = 0;
    // F6 or a digit in "Lieferadresse" ("&Lieferadresse"); digit preselects the address code.
    virtual void addressChoice(int row, const QString& digit) = 0;
    // The night-express order time of a branch ("18:30", or "KEIN NEX");
    // empty when the branch is not in the night-express order times.
    virtual QString nexBestellzeit(const QString& filiale) = 0;
};
