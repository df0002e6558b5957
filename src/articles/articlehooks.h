#pragma once

// The places where article entry calls into quantities, stock, prices,
// addresses and statistics. Each has a plain default until its module
// fills it; the module replaces the function, the call sites stay.

#include "model/articlerecords.h"
#include "model/clientrecords.h"

#include <QString>

#include <functional>

struct ArticleEntryHooks {
    // Quantity rounded up to a multiple of the technical unit.
    std::function<QString(const QString& menge, const QString& te)> roundToTE = defaultRoundToTE;
    // The row held another article with a quantity: set it to 0 on the
    // server and switch a procurement line back to delivery type "2".
    std::function<void(int row)> resetQuantity = [](int) {};
    // The delivery-code check of a row; an empty text lets the article pass.
    std::function<QString(int row, const QString& artikelnr)> checkDeliveryCode = [](int, const QString&) {
        return QString();
    };
    // With checkfiliale: the branch cell changed, re-apply the branch.
    std::function<void(int row)> reapplyBranch = [](int) {};
    // An alternative was accepted: derive the branch of the line's delivery address.
    std::function<void(int row)> applyAddressBranch = [](int) {};
    // Net price as shown to the user.
    std::function<QString(const QString& price)> formatPrice = [](const QString& p) { return p; };
    // The stock grid beside the info panel; returns an error text, empty on success.
    struct Stock {
        QString total;
        QString customerBranch;
        QString error;
    };
    std::function<Stock(const TArtikelInfo& article)> showStock = [](const TArtikelInfo&) { return Stock(); };
    std::function<void()> hideStock = [] {};
    // The deposit hint after an article was taken into a row.
    std::function<void(int row, const QString& artikelnr)> depositHint = [](int, const QString&) {};
    // First character of the graduated prices for the "Staffelpreis" cell;
    // empty leaves the cell alone.
    std::function<QString(const QString& artikelnr)> graduatedPrices = [](const QString&) {
        return QString();
    };
    // The reference cell ("Bestell-Info") is to be filled before the quantity.
    std::function<bool(int row)> wantsReference = [](int) { return false; };
    // One usage event; _Aktion and _Info are set, the rest as far as known.
    std::function<void(const TStatistik& event)> statistik = [](const TStatistik&) {};

    static QString defaultRoundToTE(const QString& menge, const QString& te);
};
