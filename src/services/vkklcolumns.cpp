#include "services/vkklcolumns.h"

#include "grid/stringgrid.h"

using namespace Qt::StringLiterals;

namespace VkklColumns {

QStringList headers() {
    return {Pos,           Loeschen,     Logo,         Bestellen,     Lieferadresse,  Art,
            Artikelnummer, Bezeichnung,  BestellInfo,  Menge,         Einheit,        Karton,
            Filiale,       NL,           ZuLiefern,    Lieferungsart, Lieferungscode, Text2,
            TecDoc,        Preiseinheit, Staffelpreis, EmpfVkPreis,   Bruttopreis,    Rabatt,
            Nettopreis,    Nettobetrag,  Bruttobetrag, Beschaffung,   Hersteller,     Referenz,
            Lagerbereich,  Benutzer,     Kundennr,     Debitornr,     LfdNr,          VkklId,
            ErstelltAm,    ErstelltUm,   GeaendertAm,  Zentrale,      BuchGr,         IstFix,
            FixeTe,        Fahrt,        ErrorCode,    ErrorMessage,  ExtLager,       ExterneFiliale,
            Lieferant,     UniqueId};
}

QStringList widthTemplates(int tenant) {
    return {u"POS_"_s,
            u"DL"_s,
            tenant == 6 ? u"LOGO_FILIALE____"_s : u"LOGO_FILIALE____HH"_s,
            u"BE"_s,
            u"LIE "_s,
            u"AR"_s,
            u"ARTIKELNR012345678"_s,
            u"TEXT56789012345678"_s,
            u"BESTELLINFO234567890"_s,
            u"Menge"_s,
            u"EINH"_s,
            u"KART"_s,
            u"Filial"_s,
            u"NL34"_s,
            u"ZU_LI"_s,
            u"Lieferart01234"_s,
            u"LCODE"_s,
            u"TEXT_2"_s,
            u"DIV_ART_NR123456"_s,
            u"PREI"_s,
            u"Staffel"_s,
            u"EMPF_VKP"_s,
            u"BRUTTOPR"_s,
            u"RABATT"_s,
            u"NETTOPR"_s,
            u"NETTOBET"_s,
            u"BRUTTOBE"_s,
            u"-->"_s,
            u"HERST"_s,
            u"REFERENZ"_s,
            u"LAGER"_s,
            u"BENUTZER"_s,
            u"KUNDENNR"_s,
            u"DEBITORNR"_s,
            u"LFD_NR"_s,
            u"VKKL_ID"_s,
            u"ERSTELLTAM"_s,
            u"ERSTELLTUM"_s,
            u"GEAENDERT_AM"_s,
            u"ZENTRALE"_s,
            u"BUCH_GR"_s,
            u"ISTFIX"_s,
            u"FIX_TE"_s,
            u"Fahrt"_s,
            u"ErrCode"_s,
            u"ErrMess"_s,
            u"Ext_Lager"_s,
            u"ExterneFiliale"_s,
            u"Lieferantennr"_s,
            u"Unique_ID"_s};
}

bool enterable(int index, bool artikelReferenz) {
    switch (index) {
    case iBestellen:
    case iLieferadresse:
    case iArtikelnummer:
    case iMenge:
    case iLieferungsart:
    case iBeschaffung:
        return true;
    case iBestellInfo:
        return artikelReferenz;
    default:
        return false;
    }
}

QString description(int index) {
    static const QStringList texts{u"Positionsnummer"_s,
                                   u"Zeile löschen"_s,
                                   u"Status der Zeile"_s,
                                   u"Bestellt JA/NEIN"_s,
                                   u"Ihre Lieferadresse"_s,
                                   u"Lieferart (Packliste etc.)"_s,
                                   u"Eingabe Artikelnummer"_s,
                                   u"Artikel-Bezeichnung"_s,
                                   u"Ihre Bestell-Info"_s,
                                   u"Bestellmenge"_s,
                                   u"Packungseinheit"_s,
                                   u"Kartonmenge"_s,
                                   u"Entnahme-Filiale"_s,
                                   u"Niederlassung"_s,
                                   u"Menge zu liefern"_s,
                                   u"Lieferungsart"_s,
                                   u"VKKL-LieferungsCode"_s,
                                   u"Zusatzbezeichnung"_s,
                                   u"TecDoc-Nummer"_s,
                                   u"Preis-Einheit"_s,
                                   u"Staffelpreis"_s,
                                   u"Empfohlener Verkaufspreis"_s,
                                   u"Brutto-Einkaufspreis"_s,
                                   u"Rabatt "_s,
                                   u"Nettopreis"_s,
                                   u"Nettobetrag"_s,
                                   u"Bruttobetrag inkl. MWSt."_s,
                                   u"Neue Zeile"_s,
                                   u"Hersteller-EinspeiserCode"_s,
                                   u"Bestellnummer/Referenz"_s,
                                   u"Bezeichnung"_s,
                                   u"Benutzer"_s,
                                   u"Kundennummer"_s,
                                   u"Debitornummer"_s,
                                   u"Laufende Nummer"_s,
                                   u"VKKL-ID"_s,
                                   u"Erstellt am"_s,
                                   u"Erstellt um"_s,
                                   u"Geändert am"_s,
                                   u"Zentrale"_s,
                                   u"Buchgruppe"_s,
                                   u"ISTFIX"_s,
                                   u"Fixe TE"_s,
                                   u"Fahrt Heute"_s,
                                   u"FehlerCodenummer"_s,
                                   u"Fehlerhinweistext"_s,
                                   u"Externes Lager"_s,
                                   u"Externe Filiale"_s,
                                   u"Lieferant"_s,
                                   u"Unique ID"_s,
                                   u"Unique ID X"_s};
    if (index > 50)
        return u"Spalte %1 unbekannt (1)"_s.arg(index);
    return texts.value(index);
}

void setupVisible(StringGrid& grid, int tenant, bool artikelReferenz) {
    grid.setHeaders(headers());
    grid.setWidthTemplates(widthTemplates(tenant));
    for (int c = 0; c < count; ++c)
        grid.setTabStop(c, enterable(c, artikelReferenz));
}

void setupShadow(StringGrid& shadow, int tenant) {
    shadow.setHeaders(headers() << UniqueIdX);
    shadow.setWidthTemplates(widthTemplates(tenant) << UniqueIdX);
}

} // namespace VkklColumns
