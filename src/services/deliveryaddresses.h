#pragma once

#include <QString>

// Delivery addresses, tours and order deadlines.
class DeliveryAddresses {
public:
    virtual ~DeliveryAddresses() = default;

    // The order-deadline tables, loaded with the customer's data.
    virtual void loadOrderDeadlines() = 0;
    // The order-time address check of a placed portion: the address a line
    // of address adresse goes to when branch serves it now. applies tells
    // whether the line itself moves; a further portion is inserted at the
    // address in every case.
    struct OrderTimeAddress {
        QString address;
        bool applies = false;
    };
    virtual OrderTimeAddress orderTimeAddress(const QString& adresse, const QString& branch) = 0;
    // Delivery-time text of a marked row, the hint over its "Logo" cell.
    virtual QString lieferzeitText(int row) = 0;
    // F6 or a digit in "Lieferadresse" ("&Lieferadresse"); digit preselects the address code.
    virtual void addressChoice(int row, const QString& digit) = 0;
    // The night-express order time of a branch ("18:30", or "KEIN NEX");
    // empty when the branch is not in the night-express order times.
    virtual QString nexBestellzeit(const QString& filiale) = 0;
};
