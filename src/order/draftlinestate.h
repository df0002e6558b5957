#pragma once

#include <QString>

class StockService;
class StringGrid;
struct ModelContext;

// The state word of a row's "Logo" cell from what the row shows and, for a
// line served from outside, the stock left in the outside warehouses.
namespace DraftLineState {

// The tenant's words for where a marked line is served from.
struct Texts {
    QString lagerauftrag; // LAGERAUFTRAG: from the wholesaler's warehouse, with a backorder part
    QString aussenlager;  // AUSSENLAGER: from an outside warehouse
    QString nexOstrand;   // NEXOSTRAND: from the main warehouse "SL"
};

// May empty the row's "Bestellen" cell, as the rule says for refused rows.
// The free external stock the shadow grid keeps in "Löschen" decides the
// word of a line served from outside; while it is not known, the stock
// service computes it (and the row's "ExterneFiliale"), and it is kept.
// *losesMark tells that a marked row has nothing to order and must lose
// its mark on the server.
QString word(StringGrid& grid, int row, const QString& menge, const ModelContext& context,
             const Texts& texts = {}, StringGrid* shadow = nullptr, StockService* stock = nullptr,
             bool* losesMark = nullptr);

} // namespace DraftLineState
