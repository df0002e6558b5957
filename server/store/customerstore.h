#pragma once

#include "model/records.h"

#include <QSqlDatabase>

#include <optional>

// Customers, delivery addresses, delivery codes, branches, order deadlines,
// delivery times and the user options.
class CustomerStore {
public:
    explicit CustomerStore(QSqlDatabase db)
        : m_db(db) {}

    std::optional<TDebitor> debitor(const QString& kdnr) const;
    TLieferadresseArray addresses(const QString& kdnr) const;
    TLieferungArray deliveryCodes() const;
    TFilialKurzArray2 branches() const;
    bool branchExists(const QString& code) const;
    // Whether a branch offers night express ("97") or parcel service ("98").
    bool branchOffers(const QString& code, const QString& lieferungscode) const;
    // Deadlines of a delivery kind ("N" night express, "P" parcel): branch code, name, time.
    QList<QStringList> deadlines(const QString& kind) const;
    // "Branch;Tour;Departure;Arrival" per tour.
    QStringList deliveryTimes(const QString& filiale) const;

    // User options; an empty key gives all of them.
    TBenutzerOptions options(const QString& kdnr, const QString& user, const QString& key = QString()) const;
    bool writeOptions(const QString& kdnr, const QString& user, const TBenutzerOptions& options);

private:
    QSqlDatabase m_db;
};
