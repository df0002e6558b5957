#pragma once

#include "services/deliveryrules.h"

#include <QString>

class DraftOrder;
struct DraftContext;
struct TLieferadresse;

// Delivery codes of draft lines: the delivery-kind list of the grid, the
// check whether an article may go by night express or parcel service, the
// branches that serve a code, and setting a line's code on the server.
class DeliveryChoice final : public DeliveryRules {
public:
    DeliveryChoice(DraftOrder& order, DraftContext& context)
        : m_o(order)
        , m_d(context) {}

    // Enter on a kind of the list for a row.
    void choose(int row, const QString& kind);

    // Whether the article may go by the code to the address; the refusal, empty when it may.
    QString articleFormCheck(const QString& code, const QString& addressCode, const QString& artikel);
    // Whether the branch offers the code's service (night express, parcel service).
    bool branchServes(const QString& branch, const QString& code) const;
    // The delivery code of a kind text; a pick-up resolves to the pick-up code of its branch.
    QString LieferArt2Code(const QString& kind, const QString& addressCode) const;
    // Update 163 with the code; the server's message, empty on success.
    QString set_Lieferungscode(int row, const QString& code);

    // --- DeliveryRules
    QString roundToTE(const QString& menge, const QString& te) override {
        return defaultRoundToTE(menge, te);
    }
    void resetQuantity(int) override {}
    QString checkDeliveryCode(int row, const QString& artikelnr) override;
    void reapplyBranch(int) override {}
    void applyAddressBranch(int) override {}
    bool pruefeNexFilialen(int) override { return true; }
    bool setLieferung(int column, int row, const QString& text) override;
    void deliveryKinds(int row, const QString& key) override;

private:
    const TLieferadresse* address(const QString& code) const;
    void message(const QString& text) const;

    DraftOrder& m_o;
    DraftContext& m_d;
};
