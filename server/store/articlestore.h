#pragma once

#include "model/records.h"

#include <QHash>
#include <QSqlDatabase>

#include <optional>

// Articles, suppliers, the article network, stock per branch and prices.
class ArticleStore {
public:
    explicit ArticleStore(QSqlDatabase db)
        : m_db(db) {}

    std::optional<TArtikelInfo> byNumber(const QString& nummer) const;
    std::optional<TArtikelInfo> byNumberAndSupplier(const QString& nummer, const QString& einspeiser) const;
    std::optional<TArtikelInfo> byId(const QString& artiId) const;
    std::optional<TArtikelInfo> byEan(const QString& ean) const;
    // The net articles of an article as the client reads them: ARTIKELNR is
    // the related article, NETZARTIKELNR the article asked for, TYP 1 to 9.
    TArtikelnetzArray network(const QString& artikelnr) const;
    // The other way round: the entries that name artikelnr as related
    // article; NETZARTIKELNR tells whose net articles they are.
    TArtikelnetzArray networkNaming(const QString& artikelnr) const;
    // "CODE;NAME;KURZ;MINI;MICRO" per supplier.
    QStringList suppliers() const;

    struct Stock {
        TFilialeKurz2 branch;
        QString tour;
        bool external = false;
        bool virtualBranch = false;
        int verfuegbar = 0;
        int reserviert = 0;
        int rueckstand = 0;
        int bestellt = 0;
        int eingang = 0;
        QString rueckstandErlaubt; // of an outside warehouse
        QString beParam;           // its procurement parameter groups
    };
    // The kind of a branch in a stock answer, from its ART: "1" a wholesaler
    // branch (Z, F), "2" virtual (V), "3" not for normal delivery (N), "4" the
    // customer's own warehouse (K), "5" an external warehouse (E).
    static QString branchKind(const TFilialeKurz2& branch);
    // Every branch in list order, with the article's stock (zero where it has none).
    QList<Stock> stock(const QString& artikelnr) const;
    int available(const QString& artikelnr, const QString& filiale) const;
    // Available stock of each article over every branch (negative stock counts
    // as none), for a whole hit list at once; articles without stock are missing.
    QHash<QString, int> availableTotals(const QStringList& artikelnummern) const;
    // Moves quantity from available to reserved (negative gives it back).
    bool reserve(const QString& artikelnr, const QString& filiale, int quantity);
    // Booking: reserved stock leaves the branch.
    bool consume(const QString& artikelnr, const QString& filiale, int quantity);

    // Discount in percent for the customer's price group (0 without a row).
    double discount(const QString& artikelnr, const QString& preisgruppe) const;
    // Graduated discounts: quantity from which, discount in percent.
    QList<QPair<int, double>> graduated(const QString& artikelnr) const;

    // Card-note lines of an article: those for every customer, then the
    // customer's own; of one kind when a parameter is given.
    QStringList remarks(const QString& artikelnr, const QString& kdnr, const QString& parameter) const;

private:
    std::optional<TArtikelInfo> one(const QString& where, const QStringList& values) const;
    TArtikelnetzArray networkWhere(const QString& column, const QString& artikelnr) const;
    QSqlDatabase m_db;
};
