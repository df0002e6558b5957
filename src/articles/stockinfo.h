#pragma once

#include "articles/stockrules.h"
#include "link/serverlink.h"
#include "model/articlerecords.h"
#include "services/clientservices.h"
#include "services/stockservice.h"

#include <QList>
#include <QString>
#include <QStringList>

class DraftLineAccess;
class Session;
struct ClientServices;

// Stock per branch as the user sees it: the stock request with the rules of
// the branch kinds, the rows of the stock grid sgBestandNeu, the choice of a
// branch from it and the stock summary of a draft line. No widgets: the grid
// (articles/ui/stockgrid.h) shows what this computes.
class StockInfo {
public:
    StockInfo(Session& session, const ClientServices& services);

    StockSettings settings() const;

    // Request 121 for an article, decoded with the rules of the branch kinds.
    // With reuse, the last answer for the same article and customer serves
    // for 3 seconds (the outside warehouses ask right after the stock).
    LinkAnswer request(const QString& artikelNr, const QString& filiale, TBestandsInfo& out,
                       bool reuse = false);

    // What ShowArtikelBestand is asked with.
    struct Request {
        TArtikelInfo article;
        QString aktFiliale; // the branch to select
        bool meldeKeinBestand = false;
        QString lieferungsart; // of the draft row; "Abholung" from the search
        QString lAdrCode;      // the row's delivery address
        int aktZeile = 0;      // draft row, 0 from the search
    };
    // The grid's content: data rows (name, available, night express, central)
    // and the "Gesamt" row last.
    struct Grid {
        QList<QStringList> rows;
        int selected = -1; // row index into rows, -1 none
        int tag = 0;       // the separator row, counted with the header as row 0
        bool nexColumnHidden = false;
        TBestandsInfo sorted;
        QString lieferungsart;
        bool noStock = false; // nothing available: not shown when it must be reported
    };
    // Result 0, the stock request's error code, -1 booking group "0", -2 blocked.
    int ShowArtikelBestand(const Request& request, Grid* grid, QString* mengeKundeFil, QString* mengeGesamt,
                           QString* errorMessage);

    // The branch of a chosen data row, or the refusal in *refusal.
    QString chooseBranch(const Grid& grid, int row, const QString& rowMenge, QString* refusal) const;

    // The stock summary of a draft line (getArtikelBestand): fetches the
    // stock unless *stock already holds branches, then orders it for the
    // delivery code.
    struct Summary : StockRules::Summary {
        int result = 0;
        QString error;
    };
    Summary getArtikelBestand(const QString& artikelNummer, const QString& filialeNr, const QString& liefCode,
                              bool needsort, TBestandsInfo* stock);

    // StockService::statistikBestand: the summary of the customer's branch
    // for delivery; a fresh answer for the article is reused.
    StockService::Stock statistikBestand(const QString& artikel);

    // SetMengeStatus without writing (see StockService::Placement).
    StockService::Placement SetMengeStatus(const QString& artikel, int wunschmenge, int te, bool fixed,
                                           const QString& wunschfiliale, const QString& lieferungscode);

    // The outside warehouses of an article with their stock for the form
    // (get_externBestand2), from the last stock answer while it is fresh.
    StockRules::ExternalStock get_externBestand2(const QString& artikel, bool nightExpress, QString* error);

    // StockService::freeExternalStock: the outside warehouses less what the
    // other marked rows of the draft order take.
    StockService::External freeExternalStock(DraftLineAccess& draft, int row, const QString& artikel,
                                             const QString& lieferungscode);

    // The night-express column of a branch.
    QString nexText(const TBestandsInfoFiliale& branch) const;

private:
    QString pickupBranch() const;

    Session& m_session;
    const ClientServices& m_services;
    Artikel_InfoListe m_last; // the last stock answer and when it came
};
