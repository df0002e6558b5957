#pragma once

#include "services/deliveryrules.h"

#include <QString>

class DraftOrder;
struct DraftContext;

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

    // The delivery details of an address (GetLieferungDetails): its code,
    // the delivery code, the branch that serves it, its tour and tour branch.
    struct Details {
        QString addressCode;
        QString code;
        QString branch;
        QString tourNr;
        QString tourBranch;
        QString ownCode; // the address's own LIEFERUNGSCODE
    };
    Details GetLieferungDetails(const QString& addressCode, const QString& code) const;
    // The branch whose stock lines of an address see.
    QString SichtfromLieferadr(const QString& addressCode) const;

    // Line kind of a row ("2" ordinary, "0" procurement, "15" own warehouse,
    // "10" return); kind "2" first takes the branch and code of the row's
    // address. The server's message, empty on success.
    QString Set_LieferArt(const QString& art, int row, const QString& defaultBranch, bool withDefaultCode);
    // P15: "1" skips the server's dealer check.
    QString set_HaendlerPruefung(int row, const QString& flag);
    // After a mark: no planned trip is kept ("Fahrt" "0"); 0 lets the mark stay.
    int checkFahrt(int row);
    // The branches of the marked night-express rows; every one is accepted.
    QStringList get_nex_filialen() const;
    static bool pruefe_nex_filialen(const QString& branch, const QStringList& nexBranches);
    // Night express for every fitting row of an address, after it turned out
    // to have no tour.
    void nightExpressForAddress(const QString& code, const QString& addressCode);

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
    bool pruefeNexFilialen(int row) override;
    bool setLieferung(int column, int row, const QString& text) override;
    void deliveryKinds(int row, const QString& key) override;

private:
    // Tenant "4": night express comes from the first outside warehouse that
    // offers it, as far as its free stock goes.
    void nightExpressFromOutside(int row, const QString& menge);
    // The pick-up code of a branch, or fallback when it has none.
    QString pickupCode(const QString& branch, const QString& fallback) const;
    // A line's kind and branch back to an ordinary line on a branch, with no
    // outside warehouse (the log names why).
    bool resetToBranch(int row, const QString& branch, bool clearQuantity);
    // Night express: the branch that has the row's quantity when the default
    // branch has not; empty when it has, or none has.
    QString nexBranchFor(int row, int menge, bool* quantityToZero);
    void message(const QString& text) const;

    DraftOrder& m_o;
    DraftContext& m_d;
};
