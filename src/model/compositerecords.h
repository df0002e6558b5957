#pragma once

// Answers that carry arrays inside one record: the stock answer, the
// article-info list and the logged-in user with his options.

#include "model/articlerecords.h"
#include "model/customerrecords.h"

// Stock answer: branch rows and the positions of the special rows. The index
// fields hold row positions in FilialBestand as text.
struct TBestandsInfo {
    QString NumFiliale;
    QString GesamtVerfuegbar;
    QString ZentraleIndex;
    QString KundeIndex;
    QString TourIndex;
    QString AlternativIndex;
    QString AuftragIndex;
    TBestandsInfoFilialenArray FilialBestand;
    friend bool operator==(const TBestandsInfo&, const TBestandsInfo&) = default;
};

// The scalar head of an article-info list answer, fields 1 to 17.
// clang-format off
#define TARTIKELINFOLISTEKOPF_FIELDS(X) \
    /*   1 */ X(FilialenIndex) X(ArtikelIndex) X(PreiseIndex) X(BestandIndex) X(NetzartikelIndex) \
    /*   6 */ X(NUMMER) X(LIEFERUNGSCODE) X(GESPERRT) X(DURCHFAKTURIERUNG) X(FILIALE) \
    /*  11 */ X(TOURFILIALE) X(TOURNR) X(DUMMYK0) X(DUMMYK1) X(DUMMYK2) \
    /*  16 */ X(DUMMYK3) X(DUMMYK4)
// clang-format on
QTX_RECORD(TArtikelInfoListeKopf, TARTIKELINFOLISTEKOPF_FIELDS)

// One article-info list answer. Each Num... field holds the element count of
// the array that follows it.
struct TArtikelInfoListe : TArtikelInfoListeKopf {
    QString NumFilialen;
    TFilialKurzArray Filialen;
    QString NumArtikel;
    TArtikelInfoExtendedArray ArtikelInfo;
    QString NumPreise;
    TArtikelPreisArray ArtikelPreise;
    QString NumBestand;
    TArtikelBestandArray Artikelbestand;
    QString NumNetzartikel;
    TNetzArtikelArray Netzartikel;
    friend bool operator==(const TArtikelInfoListe&, const TArtikelInfoListe&) = default;
};

// The scalar part of the logged-in user, fields 1 to 13.
// clang-format off
#define TBENUTZER2KOPF_FIELDS(X) \
    /*   1 */ X(BENU_LOGIN) X(BENU_PASSWORDHASH) X(BENU_QTX) X(BENU_ERP) X(BENU_SOAP) \
    /*   6 */ X(BENU_WEBSHOP) X(BENU_NAME) X(BENU_VORNAME) X(BENU_LETZTER_LOGIN) X(DEB_NR) \
    /*  11 */ X(FILIALE) X(LIEFERUNGSCODE) X(sNumOptions)
// clang-format on
QTX_RECORD(TBenutzer2Kopf, TBENUTZER2KOPF_FIELDS)

// The logged-in user with his options; sNumOptions is the count of Options.
struct TBenutzer2 : TBenutzer2Kopf {
    TBenutzerOptions Options;
    friend bool operator==(const TBenutzer2&, const TBenutzer2&) = default;
};
