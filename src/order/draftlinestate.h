#pragma once

#include <QString>

class StringGrid;
struct ModelContext;

// The state word of a row's "Logo" cell from what the row itself shows.
// The stock-dependent parts (external warehouses, free stock) belong to the
// quantity rules and replace this through DraftOrder::lineState.
namespace DraftLineState {

// May empty the row's "Bestellen" cell, as the rule says for refused rows.
QString word(StringGrid& grid, int row, const QString& menge, const ModelContext& context);

} // namespace DraftLineState
