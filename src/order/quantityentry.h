#pragma once

#include "model/clientrecords.h"
#include "model/linevalues.h"

#include <QString>

class DraftOrder;
struct DraftContext;

// A quantity typed into a draft line: checked, rounded to the technical
// unit and placed on the branches that have it. The first portion stays in
// the line, each further portion becomes a new line of the same article on
// its branch; what no branch has is handed to the backorder and procurement
// decision.
class QuantityEntry {
public:
    QuantityEntry(DraftOrder& order, DraftContext& context)
        : m_o(order)
        , m_d(context) {}

    void enter(int row, const QString& text);

private:
    // Quantity 0 and no external warehouse, before a new quantity is placed.
    bool resetLine(int row);
    void message(const QString& text) const;
    // What the branches could not take, from the outside warehouses in list
    // order; each portion in the row while it holds none, else in a new line.
    // Returns the rest no warehouse has.
    int placeOutside(int row, const QString& artikel, const QString& code, const QString& adresse, int unit,
                     int rest, int& lines, int& last);
    // What a warehouse gives of a rest, in whole technical units.
    static int portionOf(const Texterne_Filiale& w, int rest, int unit);
    // The update that serves a row from an outside warehouse, marked.
    LineValues outsideLine(int row, const QString& art, int menge, const QString& branch,
                           const QString& rueckstand, const TBeschaffungInfo& b,
                           const Texterne_Filiale& w) const;
    // The values of a further line of the article.
    LineValues portionLine(const QString& artikel, const QString& art, int menge, const QString& code,
                           const QString& filiale, const QString& adresse) const;
    // The wanted quantity over own warehouse, branches, outside warehouses,
    // and what remains to the backorder and procurement decision.
    void distribute(int row, const QString& artikel, int menge, const QString& te, bool fixed);
    // The customer's own warehouse first (DEBITOR_LAGER_MODUS 2); a rest
    // moves row on to a new line of the article. Returns the rest.
    int placeOwnWarehouse(int& row, const QString& artikel, const QString& code, int unit, int rest);
    // The order-time address check moved the line to another address.
    void moveToAddress(int row, const QString& adresse);
    // A new empty line when the last line holds an article.
    void appendEmptyLine();

    DraftOrder& m_o;
    DraftContext& m_d;
};
