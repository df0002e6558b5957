#pragma once

#include "model/articlerecords.h"
#include "model/clientrecords.h"

#include <QString>

// Stock per branch of an article and of a draft line.
class StockService {
public:
    virtual ~StockService() = default;

    struct Stock {
        QString total;
        QString customerBranch;
        QString error; // empty on success
        QString tourBranch;
    };
    // Shows the stock grid beside the information panel of the quick search.
    virtual Stock showStock(const TArtikelInfo& article) = 0;
    // The stock of an article as a usage event records it: the total, the
    // customer's branch and the branch its tour comes from (the central
    // branch). The answer serves the stock display that follows.
    virtual Stock statistikBestand(const QString& artikel) = 0;
    virtual void hideStock() = 0;
    // "&BestandsInfo" (F9) on a row of the draft grid.
    virtual void stockInfo(int row) = 0;

    // Where a wanted quantity of a draft line is served (SetMengeStatus,
    // without writing into the grid): the branch with at least one unit (the
    // technical unit when it is fixed), what it takes of the quantity and the
    // rest. Status 1 when no branch has a unit; a failed stock request leaves
    // its message in error and its code in status.
    struct Placement {
        int status = 0;
        QString info;
        QString error;
        QString filiale;
        int menge = 0;
        int rest = 0;
        bool fahrt = false; // the branch reported a planned trip
    };
    // The whole quantity on the wanted branch, as before stock was known.
    static Placement asWanted(const QString& filiale, int menge) {
        Placement p;
        p.filiale = filiale;
        p.menge = menge;
        return p;
    }
    // The outside warehouses of an article for a delivery code, each with
    // its stock less what the other marked rows of the draft order take from
    // it; total is their positive stock before that. A failed stock request
    // leaves its message in error.
    struct External {
        Texterne_filialenArray branches;
        int total = 0;
        QString error;
    };
    virtual External freeExternalStock(int row, const QString& artikel, const QString& lieferungscode) = 0;

    virtual Placement SetMengeStatus(const QString& artikel, int wunschmenge, int te, bool fixed,
                                     const QString& wunschfiliale, const QString& lieferungscode) = 0;
};
