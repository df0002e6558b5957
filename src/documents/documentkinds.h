#pragma once

#include <QString>

// The kinds of document query the "Belege" tab knows. Head kinds are even;
// the lines of head kind k load as kind k + 1.
namespace DocumentKind {

enum : int {
    Orders = 0,
    OrderLines = 1,
    DeliveryNotes = 2,
    DeliveryLines = 3,
    Invoices = 4,
    InvoiceLines = 5,
    CreditNotes = 6,
    CreditLines = 7,
    OpenItems = 8,
    Offers = 10,
    OfferLines = 11,
    InvoiceBookings = 13,
    CreditBookings = 15,
    Backorders = 101,
    Returnable = 105,
    OldParts = 106,
};

struct Info {
    int kind = -1;
    int request = 0;      // server request, 0 for none
    int statistik = 0;    // usage-statistics action of a search, 0 for none
    QString label;        // the search button's text
    QString functionName; // the name in error log lines
    int dateColumn = -1;  // the date column of the kind's grid, -1 for none
};

// The kind's entry; kind -1 when the kind is unknown.
Info info(int kind);
bool isHead(int kind);
// "Rückstände" for tenant 1, "Besorgungen" for every other.
QString backorderWord(int tenant);

} // namespace DocumentKind

// A price text with comma as two decimals: "12" -> "12,00", "12,5" -> "12,50",
// "12,345" -> "12,35"; "12,34" and anything else stay as they are.
QString FormatPreis(const QString& text);
