#pragma once

// Article searches, prices, stock and old parts.

#include "link/serverlink.h"
#include "model/articlerecords.h"
#include "model/compositerecords.h"

// 130: mode "0" by article number, "1" with supplier, "4" by article id.
LinkAnswer MyGetArtikel(ServerLink& link, const QString& mode, const QString& artikelNr,
                        const QString& lieferant, const QString& artiId, TArtikelArray& out);
// 131: the short search ("OC 47" keeps the connection alive).
LinkAnswer MySucheArtikelKurz(ServerLink& link, const QString& suchText, TArtikelShortInfoArray& out);
// 134: the search text travels upper-cased.
LinkAnswer MySucheArtikelAlle(ServerLink& link, const QString& suchText, TArtikelLongInfoArray& out);
// 135: article key and selector "1", "2" or "4".
LinkAnswer MySucheNetzArtikelKurz2(ServerLink& link, const QString& key, const QString& selector,
                                   TArtikelnetzArray& out);
// 110: the 11 price values.
LinkAnswer MyGetPreis(ServerLink& link, const QString& kdnr, const QString& artikelNr, TPreisInfo& out);
// 112: graduated prices; lines as the server sends them.
LinkAnswer MyGetStaffelpreise(ServerLink& link, const QString& artikelNr);
// 121: stock per branch.
LinkAnswer MyGetArtikelBestand2(ServerLink& link, const QString& filiale, const QString& bestandFilter,
                                const QString& artikelNr, TBestandsInfo& out);

// 136: parameters of the article-info list.
struct ArtikelInfoListeParams {
    QString kdnr;
    QString line2;
    QString line3;
    QStringList flags; // four "0"/"1"
    QString bestandFilter;
};
LinkAnswer MyGetArtikelInfoListe(ServerLink& link, const ArtikelInfoListeParams& params,
                                 const QStringList& articles, TArtikelInfoListe& out);
// 137: five flags and the search texts; 139: ten flags and one search text.
LinkAnswer MySucheArtikelAlle2(ServerLink& link, const QStringList& flags, const QStringList& suchTexte);
LinkAnswer MySucheArtikelAlle3(ServerLink& link, const QStringList& flags, const QString& suchText);
// 142, 425, 426: lists the using windows build.
LinkAnswer MySetzeWebShopArtikel(ServerLink& link, const QStringList& lines);
LinkAnswer MyGetKarteiBemerkung(ServerLink& link, const QStringList& lines);
LinkAnswer MyGetArtikelLogistik(ServerLink& link, const QStringList& lines);
// 501: search by EAN.
LinkAnswer MySucheEAN_ArtikelAlle(ServerLink& link, const QString& ean, TArtikelLongInfoArray& out);
// 252, 253: old parts.
LinkAnswer MyGetAltteilInfo2(ServerLink& link, const QStringList& lines);
LinkAnswer MyAltteilUpdate(ServerLink& link, const QStringList& lines);
