#pragma once

#include <QString>

class StringGrid;
struct ModelContext;

// The state word of a row's "Logo" cell from what the row itself shows.
// The stock-dependent parts (external warehouses, free stock) belong to the
// quantity rules and replace this through DraftOrder::lineState.
namespace DraftLineState {

// The tenant's words for where a marked line is served from.
struct Texts {
    QString lagerauftrag; // LAGERAUFTRAG: from the wholesaler's warehouse, with a backorder part
    QString aussenlager;  // AUSSENLAGER: from an outside warehouse
    QString nexOstrand;   // NEXOSTRAND: from the main warehouse "SL"
};

// May empty the row's "Bestellen" cell, as the rule says for refused rows.
// With the shadow grid, the free external stock it keeps in "Löschen"
// decides the word of a line served from outside.
QString word(StringGrid& grid, int row, const QString& menge, const ModelContext& context,
             const Texts& texts = {}, StringGrid* shadow = nullptr);

} // namespace DraftLineState
