#pragma once

#include "model/clientrecords.h"
#include "order/draftlinestate.h"
#include "order/vkklrow.h"

#include <QString>
#include <QStringList>

class StringGrid;
struct ModelContext;

// How the server's draft lines meet the grid sgVKKL and its shadow
// sgVKKLState. The shadow holds the last confirmed value of every cell; it
// keeps what the client alone knows of a line (trip, external warehouse, a
// refused edit) across a reload. Plain functions on the two grids: no server.
namespace ShadowMerge {

struct Rules {
    const ModelContext& context;
    int tenant = 6;
    // The note column takes the input focus (which columns are entered).
    bool artikelReferenz = false;
    // Outside tenant 6: keep the shadow's "Löschen" and "Logo" on a one-row rebuild.
    bool keepDeleteIcon = false;
    // The line-state rule recomputes "Logo".
    bool lineState = true;
    DraftLineState::Texts texts;
    // The outside warehouses' stock for the words of lines served from there.
    StockService* stock = nullptr;
    // Set by a one-row rebuild when the marked row has nothing to order.
    bool* losesMark = nullptr;
};

// The server's error of a line into the message of its shadow row: an
// error number "0" replaces it, another adds its text once.
void propagateError(QStringList& shadowRow, const TVerkaufskladde& line);

// The whole draft order from the server's lines. Rows are matched to the
// shadow by their key; the grid gets one row per line (and at least the
// header and one row), the shadow the rows as confirmed.
void mergeAll(StringGrid& grid, StringGrid& shadow, TVerkaufskladdeArray lines, const VkklRow::Context& cells,
              const Rules& rules);

// One row from the server's answer for its line. changedColumn is the
// header of the cell whose change the server answered, or empty. Returns the
// row's cells before, so that the caller can take them out of the totals.
QStringList mergeRow(StringGrid& grid, StringGrid& shadow, int row, TVerkaufskladde line,
                     const QString& changedColumn, const VkklRow::Context& cells, const Rules& rules);

} // namespace ShadowMerge
