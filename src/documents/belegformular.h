#pragma once

#include "documents/documenttable.h"
#include "model/customerrecords.h"

class StringGrid;
struct ModelContext;

// The text preview of a document head, laid out like the printed document
// in a fixed-width font. False, with an empty text, when no lines are
// loaded, no head row is chosen or the number is empty; a head that is not
// among the loaded ones gives an empty text.
bool MakeBelegFormular(int typ, const QString& Belegnummer, const DocumentArrays& arrays,
                       const TLieferungArray& lieferungen, const ModelContext& context,
                       const StringGrid& heads, int row, QString& hinttext, int lineRows = 2);
