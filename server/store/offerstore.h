#pragma once

#include "model/recordlayout.h"

#include <QDate>
#include <QSqlDatabase>

#include <optional>

// Offers as the back-end keeps them (ANGEBOTSKOPF, ANGEBOTSZEILE) and as they
// travel: the fields of the client's offer head and line in their order, then
// the row id. The client reads as many fields per record as the answer brings.
// clang-format off
#define TANGEBOTSKOPFSATZ_FIELDS(X) \
    X(vkk_id) \
    X(Angebotnummer) \
    X(kundennr) \
    X(KdNAME) \
    X(Kdname_2) \
    X(Kd_strasse) \
    X(Kd_plz_ort) \
    X(KD_referenz) \
    X(gueltig_bis) \
    X(frei1) \
    X(frei2) \
    X(frei3) \
    X(frei4) \
    X(frei5) \
    X(VAK_ID)
QTX_RECORD(TAngebotsKopfSatz, TANGEBOTSKOPFSATZ_FIELDS)

#define TANGEBOTSZEILESATZ_FIELDS(X) \
    X(vzbelegnr) \
    X(vzkundennr) \
    X(vzlfd_nr) \
    X(vzart) \
    X(vzbuch_gr) \
    X(vznummer) \
    X(vzdiv_art_nr) \
    X(vz_serialid) \
    X(vztext) \
    X(vztext_2) \
    X(vz_menge) \
    X(vz_einheit) \
    X(vz_PE) \
    X(vz_MWST) \
    X(vz_nettopreis) \
    X(vz_nettobetrag) \
    X(vz_VK_Preis) \
    X(frei1) \
    X(frei2) \
    X(frei3) \
    X(frei4) \
    X(frei5) \
    X(VAZ_ID)
QTX_RECORD(TAngebotsZeileSatz, TANGEBOTSZEILESATZ_FIELDS)
// clang-format on

using TAngebotsKopfSatzArray = QList<TAngebotsKopfSatz>;
using TAngebotsZeileSatzArray = QList<TAngebotsZeileSatz>;

// A head has a hidden SORTDATUM and GUELTIG_SORT ("yyyy-MM-dd") for ordering
// and validity; a line hangs on its head by VAK_ID and carries its own VAZ_ID.
class OfferStore {
public:
    explicit OfferStore(QSqlDatabase db)
        : m_db(db) {}

    // Stores a head; fills vkk_id and VAK_ID with the new row id. Empty on failure.
    QString insertHead(TAngebotsKopfSatz& head, const QDate& created, const QDate& validUntil);
    // Stores a line of the head; fills VAZ_ID.
    bool insertLine(const QString& vakId, TAngebotsZeileSatz& line);

    // Offers of a customer still valid on the day, newest first.
    TAngebotsKopfSatzArray valid(const QString& kdnr, const QDate& day) const;
    // The offer with this id when it is the customer's.
    std::optional<TAngebotsKopfSatz> head(const QString& kdnr, const QString& vakId) const;
    TAngebotsZeileSatzArray lines(const QString& vakId) const;

private:
    QSqlDatabase m_db;
};
