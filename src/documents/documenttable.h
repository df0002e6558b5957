#pragma once

#include "model/clientrecords.h"
#include "model/documentrecords.h"

#include <QList>
#include <QSet>
#include <QStringList>

// What the answers of the document queries are turned into: the records of
// each kind, kept until the next load of that kind, and the table a grid shows.

// The loaded documents, one array per record type.
struct DocumentArrays {
    TVerkaufsKopfArray orderHeads;
    TVerkaufsZeileArray orderLines;
    TDebitorLieferKopfArray deliveryHeads;
    TDebitorLieferZeileArray deliveryLines;
    TDebitorRechnungsKopfArray invoiceHeads;
    TDebitorRechnungsZeileArray invoiceLines;
    TDebitorGutschriftsKopfArray creditHeads;
    TDebitorGutschriftsZeileArray creditLines;
    QList<TAngebotsKopf> offerHeads;
    QList<TAngebotsZeile> offerLines;
};

// The user's document options as far as decoding needs them.
struct DocumentOptions {
    bool orderPrices = true;     // "Bestellungen mit Preisen"
    bool deliveryPrices = true;  // "Lieferscheine mit Preisen"
    bool offerSerialIds = false; // ANGEBOT_SERIALID "ON": offer lines hide "Artikel"
    int interfaceVersion = 0;
    QString outputType = QStringLiteral("3"); // backorder lines: "2" 42 fields, "3" 43
    QStringList addressFilter;                // delivery addresses whose heads are shown; empty: all
    QSet<int> bookingHidden;                  // hidden columns of booking lines
};

// One grid's content: row 0 is the header, every row has `columns` cells.
struct DocumentTable {
    QList<QStringList> rows;
    int columns = 0;
    QSet<int> visible;
    // Records the server reported (heads, offers, booking lines) or that were
    // decoded (lines) or shown (backorders).
    int count = 0;
    // Set when the answer does not hold what its count line announced.
    QString problem;
    QString hint;
};

namespace DocumentDecoder {

// Decodes one answer of a kind into the arrays and a table.
DocumentTable decode(int kind, const QStringList& answer, const DocumentOptions& options,
                     DocumentArrays& arrays);
// The header row of a kind before any answer.
QStringList headers(int kind);
// An empty table of a kind: the header row only.
DocumentTable empty(int kind);

} // namespace DocumentDecoder
