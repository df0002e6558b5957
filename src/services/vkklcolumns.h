#pragma once

#include <QString>
#include <QStringList>

class StringGrid;

// The columns of the draft-order grid sgVKKL and its shadow sgVKKLState.
// Code finds columns by header text; the numbers here only fix the order.
namespace VkklColumns {

inline const QString Pos = QStringLiteral("POS.");
inline const QString Loeschen = QStringLiteral("Löschen");
inline const QString Logo = QStringLiteral("Logo");
inline const QString Bestellen = QStringLiteral("Bestellen");
inline const QString Lieferadresse = QStringLiteral("Lieferadresse");
inline const QString Art = QStringLiteral("ART");
inline const QString Artikelnummer = QStringLiteral("Artikelnummer");
inline const QString Bezeichnung = QStringLiteral("Bezeichnung");
inline const QString BestellInfo = QStringLiteral("Bestell-Info");
inline const QString Menge = QStringLiteral("Menge");
inline const QString Einheit = QStringLiteral("Einheit");
inline const QString Karton = QStringLiteral("Karton");
inline const QString Filiale = QStringLiteral("Filiale");
inline const QString NL = QStringLiteral("NL");
inline const QString ZuLiefern = QStringLiteral("ZU_LIEFERN");
inline const QString Lieferungsart = QStringLiteral("Lieferungsart");
inline const QString Lieferungscode = QStringLiteral("VKKL_Lieferungscode");
inline const QString Text2 = QStringLiteral("TEXT_2");
inline const QString TecDoc = QStringLiteral("TecDoc-Nummer");
inline const QString Preiseinheit = QStringLiteral("Preiseinheit");
inline const QString Staffelpreis = QStringLiteral("Staffelpreis");
inline const QString EmpfVkPreis = QStringLiteral("EMPF_VK_PREIS");
inline const QString Bruttopreis = QStringLiteral("BRUTTOPREIS");
inline const QString Rabatt = QStringLiteral("Rabatt");
inline const QString Nettopreis = QStringLiteral("Nettopreis");
inline const QString Nettobetrag = QStringLiteral("Nettobetrag");
inline const QString Bruttobetrag = QStringLiteral("BRUTTOBETRAG");
inline const QString Beschaffung = QStringLiteral("-->");
inline const QString Hersteller = QStringLiteral("HERSTELLER");
inline const QString Referenz = QStringLiteral("REFERENZ");
inline const QString Lagerbereich = QStringLiteral("Lagerbereich");
inline const QString Benutzer = QStringLiteral("BENUTZER");
inline const QString Kundennr = QStringLiteral("KUNDENNR");
inline const QString Debitornr = QStringLiteral("DEBITORNR");
inline const QString LfdNr = QStringLiteral("LFD_NR");
inline const QString VkklId = QStringLiteral("VKKL_ID");
inline const QString ErstelltAm = QStringLiteral("ERSTELLTAM");
inline const QString ErstelltUm = QStringLiteral("ERSTELLTUM");
inline const QString GeaendertAm = QStringLiteral("GEAENDERT_AM");
inline const QString Zentrale = QStringLiteral("ZENTRALE");
inline const QString BuchGr = QStringLiteral("BUCH_GR");
inline const QString IstFix = QStringLiteral("ISTFIX");
inline const QString FixeTe = QStringLiteral("FIXE_TE");
inline const QString Fahrt = QStringLiteral("Fahrt");
inline const QString ErrorCode = QStringLiteral("ErrorCode");
inline const QString ErrorMessage = QStringLiteral("ErrorMessage");
inline const QString ExtLager = QStringLiteral("Ext_Lager");
inline const QString ExterneFiliale = QStringLiteral("ExterneFiliale");
inline const QString Lieferant = QStringLiteral("Lieferant");
inline const QString UniqueId = QStringLiteral("Unique_ID");
// The shadow grid's extra column.
inline const QString UniqueIdX = QStringLiteral("Unique_ID_X");

// Fixed positions of the order above, for code that works on whole rows.
enum Index {
    iPos,
    iLoeschen,
    iLogo,
    iBestellen,
    iLieferadresse,
    iArt,
    iArtikelnummer,
    iBezeichnung,
    iBestellInfo,
    iMenge,
    iEinheit,
    iKarton,
    iFiliale,
    iNL,
    iZuLiefern,
    iLieferungsart,
    iLieferungscode,
    iText2,
    iTecDoc,
    iPreiseinheit,
    iStaffelpreis,
    iEmpfVkPreis,
    iBruttopreis,
    iRabatt,
    iNettopreis,
    iNettobetrag,
    iBruttobetrag,
    iBeschaffung,
    iHersteller,
    iReferenz,
    iLagerbereich,
    iBenutzer,
    iKundennr,
    iDebitornr,
    iLfdNr,
    iVkklId,
    iErstelltAm,
    iErstelltUm,
    iGeaendertAm,
    iZentrale,
    iBuchGr,
    iIstFix,
    iFixeTe,
    iFahrt,
    iErrorCode,
    iErrorMessage,
    iExtLager,
    iExterneFiliale,
    iLieferant,
    iUniqueId,
    count
};

QStringList headers();
// Width templates; tenant 6 has a narrower "Logo" column.
QStringList widthTemplates(int tenant);
// Whether a column takes the input focus; "Bestell-Info" only with the
// local option "ARTIKELREFERENZ".
bool enterable(int index, bool artikelReferenz);
// Description of a column number for the header hint (50 is the shadow's extra column).
QString description(int index);

// Headers, templates and tab stops of the visible grid; the shadow gets
// the extra column and no tab stops. Both keep their rows.
void setupVisible(StringGrid& grid, int tenant, bool artikelReferenz);
void setupShadow(StringGrid& shadow, int tenant);

} // namespace VkklColumns
