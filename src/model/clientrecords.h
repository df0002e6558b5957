#pragma once

// The client's own records: the draft-order line, the branch list of the
// login, stock display rows, procurement, divisor and deadline records, the
// caches, the usage-statistics event and the offer records.

#include "model/customerrecords.h"
#include "model/recordlayout.h"

#include <QDateTime>
#include <QTime>

// One line of the draft order as the server keeps it; the field order is the
// order of the full line form.
// clang-format off
#define TVERKAUFSKLADDE_FIELDS(X) \
    /*   1 */ X(BENUTZER) X(LFD_NR) X(KUNDENNR) X(KD_NAME) X(DEBITORNR) \
    /*   6 */ X(EINHEIT) X(ARTIKELART) X(ABNEHMERGRUPPE) X(ARTIKELNR) X(TEXT) \
    /*  11 */ X(TEXT_2) X(BUCH_GR) X(MENGE) X(FILIALE) X(STUECKPREIS) \
    /*  16 */ X(NETTOBETRAG) X(ZU_LIEFERN) X(SKONTOFAEHIG) X(MWST_CODE) X(MWST_P) \
    /*  21 */ X(ZENTRALE) X(RABATT_P) X(RABATTBETRAG) X(BRUTTOBETRAG) X(KUNDENFILIALE) \
    /*  26 */ X(MESSAGE_UNTERDR) X(NATRABATT_UNTERDR) X(LAGERBEREICH) X(EINSTANDSPREIS) X(PLAZIERUNG) \
    /*  31 */ X(OHNE_VERFUEGBAR_PRUEF) X(NETTOGEWICHT) X(BRUTTOGEWICHT) X(AUFTRAGSFILIALE) X(VERKAEUFERCODE) \
    /*  36 */ X(PROVISION_P) X(AUFTRAGSDATUM) X(ALTTEILSTEUER) X(GEHOERT_ZU_LFD_NR) X(BRUTTOPREIS) \
    /*  41 */ X(NETTOPREIS) X(PREISART) X(PE) X(LEG_ZUSCHLAG) X(KARTONSTUECK) \
    /*  46 */ X(TAUSCHMENGE) X(HERSTELLERCODE) X(DIV_ART_NR) X(SYSTEMZEILE) X(ENDFILIALE) \
    /*  51 */ X(KUNDEN_TOUR) X(LIEFERADR) X(NATURALRABATTMENGE) X(TEU_ZUSCHLAG) X(MAT_ZUSCHLAG) \
    /*  56 */ X(ART) X(NICHT_VERFUEGBAR) X(KEINE_EINGABE) X(NETTO_PREIS) X(BRUTTO_PREIS) \
    /*  61 */ X(RABATT_PUNBENUTZT) X(PREIS_EINHEIT) X(STUECKLISTE) X(KEINE_DISPO) X(TAUSCHWERT) \
    /*  66 */ X(KOSTENTRAEGERCODE) X(KOSTENSTELLENCODE) X(ABLEHNEN) X(TE) X(LIEFERANTENNR) \
    /*  71 */ X(LIEFERUNGSCODE) X(BEDIENER) X(REFERENZ) X(EK_BRUTTOPREIS) X(EK_RABATT_P) \
    /*  76 */ X(EK_NETTOPREIS) X(BESCHAFFUNGSCODE) X(BESCHAFFUNGSKOSTEN) X(LIEFERANTENADR) X(LIEFERNAME) \
    /*  81 */ X(LIEFERSTRASSE) X(LIEFERORT) X(LIEFERDATUM) X(DISPONENT) X(VON_WEM) \
    /*  86 */ X(TE_FIX) X(PREISUNTERSCHREITUNG) X(ISHAENDLER) X(START_TOUR) X(RECHNUNGSNR) \
    /*  91 */ X(LIEFERSCHEINNR) X(EINBAUDATUM) X(AUSBAUDATUM) X(EINBAU_BEI_KM) X(KENNZEICHEN) \
    /*  96 */ X(TECDOC_KFZ_TYP) X(KTYP_KBA_NR) X(FAHRGEST_NR) X(HUBRAUM_IN_CCM) X(LEISTUNG_IN_KW) \
    /* 101 */ X(ERSTZULASSUNG) X(AUSBAU_BEI_KM) X(BEANSTANDUNG) X(WARENEINLAG_KOSTEN) X(BESTELLEN) \
    /* 106 */ X(RECH_RABATT_P) X(EINST_PREIS) X(WARENEINLAG_KST_P) X(EMPF_VK_PREIS) X(VGL_NUMMER) \
    /* 111 */ X(NL) X(HDLZUTEILMESSUNTERDR) X(ERSTELLTAM) X(ERSTELLTUM) X(GEAENDERT_AM) \
    /* 116 */ X(GEAENDERT_VON) X(MAND_ID) X(VKKL_ID) X(FEHLERNUMMER) X(FEHLERTEXT) \
    /* 121 */ X(KUNDENNOTIZ) X(UNSER_ZEICHEN) X(AB_ART) X(KEINEHAENDLERPRUEFUNG) X(EXT_LAGER) \
    /* 126 */ X(UNIQUE_IDENT) X(DUMMY1_FELD) X(DUMMY2_FELD) X(DUMMY3_FELD)
// clang-format on
QTX_RECORD(TVerkaufskladde, TVERKAUFSKLADDE_FIELDS)

// One branch of the branch list delivered after login.
// clang-format off
#define TFILIALEKURZ2_FIELDS(X) \
    /*   1 */ X(CODE) X(BEZEICHNUNG) X(ART) X(VERKAUFSFILIALE) X(KURZNAME) \
    /*   6 */ X(LAGERMASKENINDEX) X(NACHTEXPRESS) X(EILZUSTELLUNG) X(PAKETDIENST) X(FILI_ID) \
    /*  11 */ X(ZUGEORDNETE_ZENTRALE)
// clang-format on
QTX_RECORD(TFilialeKurz2, TFILIALEKURZ2_FIELDS)

using TVerkaufskladdeArray = QList<TVerkaufskladde>;
using TFilialKurzArray2 = QList<TFilialeKurz2>;
using TintArray = QList<int>;

// One row of the stock display.
struct TFilialInfo {
    QString CODE;
    QString BEZEICHNUNG;
    QString NEX;
    QString FILIALART;
    QString REIHENFOLGE;
    QString VERFUEGBAR;
    QString PAKET;
    QString EIL;
    friend bool operator==(const TFilialInfo&, const TFilialInfo&) = default;
};
using TFilialInfoArray = QList<TFilialInfo>;

// An external or outside warehouse, taken from a stock row of kind "2" or "5".
struct Texterne_Filiale {
    QString Filial_Code;
    QString Verkaufsart;
    QString Liefertage;
    QString Rueckstanderlaubt;
    QString zugeordnetZentrale;
    QString standardtext;
    QString nachtexpress;
    QString paketdienst;
    QString verfuegbar;
    QString AnzahlParam;
    QString BE_Param;
    friend bool operator==(const Texterne_Filiale&, const Texterne_Filiale&) = default;
};
using Texterne_filialenArray = QList<Texterne_Filiale>;

// Procurement parameters for one article and one procurement kind.
struct TBeschaffungInfo {
    bool Beschaffung_setzen = false;
    QString BE_ParamArt;
    QString BE_AnlieferFiliale;
    QString BE_Lieferant;
    QString BE_Lieferungscode;
    QString BE_BeschaffungsCode;
    QString BE_Beschaffungskosten;
};

// Quantity divisor of a booking group.
struct Buchgruppe_divisor {
    QString Buchgruppe;
    int divisor = 1;
    friend bool operator==(const Buchgruppe_divisor&, const Buchgruppe_divisor&) = default;
};

// Price factor of a booking group (a master option).
struct TBuchgruppenfaktor {
    QString BGruppe;
    double BFaktor = 0.0;
    double BRabatt = 0.0;
};

// One order deadline.
struct TBestellzeiten {
    QTime Startzeit;
    QTime Endezeit;
    QString Lieferadrcode;
    QString Lieferungsart;
};

// A quantity proposed for a branch on a given line.
struct TFiliale_Menge {
    QString myFiliale;
    QString myMenge;
    QString VKKL_ID;
};

// The login of the session; every request reads it.
struct Login_rec {
    QString KdNr;
    QString User;
    QString Hash;
    QString PW;
    // The lines ahead of the request code in every SOAP request.
    QStringList text;
};

// Cache of the last article-info answer.
struct Artikel_InfoListe {
    QDateTime Abfragezeit;
    QString EinArtikel;
    QString Parameter;
    QStringList AListe;
};

// Cache of the card note of an article.
struct TBemerkung {
    QString EinArtikel;
    QString Parameter;
    QString Bemerkungtext;
};

// Everything loaded for one customer.
struct TKundeInfo {
    TLieferadresseArray LAdr;
    TDebitor KdInfo;
    QString KdBemerkung;
    QString Errortext;
};

struct TFilialCodeNamen {
    QString rFilialCode;
    QString rFilialname;
};

// One usage-statistics event.
struct TStatistik {
    int _Aktion = 0;
    QString _KdNummer;
    QString _Benutzer;
    QString _Artikel;
    QString _VKKL_ID;
    QString _Buchgr;
    QString _Nettopreis;
    QString _BestandGes;
    QString _BestandKdFil;
    QString _BestandTourFil;
    QString _Bestellmenge;
    QString _AusFiliale;
    QString _Liefercode;
    QString _Lieferadresse;
    QString _DatumZeit;
    QString _Info;
    QString _dummy1;
    QString _dummy2;
    QString _dummy3;
    QString _dummy4;
    QString _dummy5;
};

// Offer head and line.
struct TAngebotsKopf {
    QString vkk_id;
    QString Angebotnummer;
    QString kundennr;
    QString KdNAME;
    QString Kdname_2;
    QString Kd_strasse;
    QString Kd_plz_ort;
    QString KD_referenz;
    QString gueltig_bis;
    QString frei1;
    QString frei2;
    QString frei3;
    QString frei4;
    QString frei5;
};

struct TAngebotsZeile {
    QString vzbelegnr;
    QString vzkundennr;
    QString vzlfd_nr;
    QString vzart;
    QString vzbuch_gr;
    QString vznummer;
    QString vzdiv_art_nr;
    QString vz_serialid;
    QString vztext;
    QString vztext_2;
    QString vz_menge;
    QString vz_einheit;
    QString vz_PE;
    QString vz_MWST;
    QString vz_nettopreis;
    QString vz_nettobetrag;
    QString vz_VK_Preis;
    QString frei1;
    QString frei2;
    QString frei3;
    QString frei4;
    QString frei5;
};

// The offer records' fields in the order of the server's answer.
inline constexpr QString TAngebotsKopf::*TAngebotsKopfFields[] = {
    &TAngebotsKopf::vkk_id,     &TAngebotsKopf::Angebotnummer, &TAngebotsKopf::kundennr,
    &TAngebotsKopf::KdNAME,     &TAngebotsKopf::Kdname_2,      &TAngebotsKopf::Kd_strasse,
    &TAngebotsKopf::Kd_plz_ort, &TAngebotsKopf::KD_referenz,   &TAngebotsKopf::gueltig_bis,
    &TAngebotsKopf::frei1,      &TAngebotsKopf::frei2,         &TAngebotsKopf::frei3,
    &TAngebotsKopf::frei4,      &TAngebotsKopf::frei5};
inline constexpr QString TAngebotsZeile::*TAngebotsZeileFields[] = {
    &TAngebotsZeile::vzbelegnr,      &TAngebotsZeile::vzkundennr,  &TAngebotsZeile::vzlfd_nr,
    &TAngebotsZeile::vzart,          &TAngebotsZeile::vzbuch_gr,   &TAngebotsZeile::vznummer,
    &TAngebotsZeile::vzdiv_art_nr,   &TAngebotsZeile::vz_serialid, &TAngebotsZeile::vztext,
    &TAngebotsZeile::vztext_2,       &TAngebotsZeile::vz_menge,    &TAngebotsZeile::vz_einheit,
    &TAngebotsZeile::vz_PE,          &TAngebotsZeile::vz_MWST,     &TAngebotsZeile::vz_nettopreis,
    &TAngebotsZeile::vz_nettobetrag, &TAngebotsZeile::vz_VK_Preis, &TAngebotsZeile::frei1,
    &TAngebotsZeile::frei2,          &TAngebotsZeile::frei3,       &TAngebotsZeile::frei4,
    &TAngebotsZeile::frei5};
