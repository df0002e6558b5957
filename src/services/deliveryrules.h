#pragma once

#include <QString>

// Quantities, supplying branches and delivery codes of draft lines, as the
// quick search, the draft grid and its keys ask for them.
class DeliveryRules {
public:
    virtual ~DeliveryRules() = default;

    // Quantity rounded up to a multiple of the technical unit.
    virtual QString roundToTE(const QString& menge, const QString& te) = 0;
    // The row held another article with a quantity: set it to 0 on the
    // server and switch a procurement line back to delivery type "2".
    virtual void resetQuantity(int row) = 0;
    // The delivery-code check of a row; an empty text lets the article pass.
    virtual QString checkDeliveryCode(int row, const QString& artikelnr) = 0;
    // The branch cell changed: apply the branch again.
    virtual void reapplyBranch(int row) = 0;
    // An alternative was accepted: the branch of the line's delivery address.
    virtual void applyAddressBranch(int row) = 0;
    // Night-express branch check before a line of code "97"/"98" is marked.
    virtual bool pruefeNexFilialen(int row) = 0;
    // "Lieferungsart", "Lieferadresse" or "-->" committed or copied from
    // above; false when nothing was taken and the cell goes back.
    virtual bool setLieferung(int column, int row, const QString& text) = 0;
    // F6 or a digit in "Lieferungsart" ("Lie&ferungsarten"); key is the digit or empty.
    virtual void deliveryKinds(int row, const QString& key) = 0;

    // A quantity rounded up to a multiple of the technical unit when the unit
    // is fixed or the rounding is forced. A unit or quantity that is no
    // number, or 0 or less, counts as 1.
    static int roundToUnit(const QString& unit, const QString& quantity, bool fixed, bool force);
    // The rounding of a typed quantity, always to the unit; no quantity stays 0.
    static QString defaultRoundToTE(const QString& menge, const QString& te);
};
