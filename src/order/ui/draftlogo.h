#pragma once

#include <QString>

class StringGrid;

// How the grid draws the state word of a row's "Logo" cell: which image and
// which text. The words that depend on the tenant or the language come in
// through Texts.
class DraftLogo {
public:
    struct Texts {
        QString notFound = QStringLiteral("Artikel nicht gefunden");
        QString express = QStringLiteral("Expressauftrag");
        QString warehouseOrder; // tenant text LAGERAUFTRAG
        QString backorderNotice = QStringLiteral("Der Artikel wird bei Bestellung in Rückstand genommen.");
        QString nex = QStringLiteral("NEX");
        QString tenant = QStringLiteral("6");
    };

    struct Look {
        QString icon; // resource name without extension, empty for none
        QString text;
        bool operator==(const Look&) const = default;
    };

    static Look look(const StringGrid& grid, int row, const Texts& texts);
};
