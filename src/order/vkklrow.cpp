#include "order/vkklrow.h"

#include "model/codetables.h"
#include "model/conversions.h"
#include "model/formatde.h"
#include "model/servermessage.h"
#include "services/vkklcolumns.h"

using namespace Qt::StringLiterals;

namespace VkklRow {

void prepare(TVerkaufskladde& line, const ModelContext& context) {
    static const QString zero = u"0,00"_s;
    if (line.MENGE.trimmed() == u"0" && line.NETTOBETRAG.trimmed() != zero) {
        line.NETTOBETRAG = zero;
        line.BRUTTOBETRAG = zero;
    }
    if (!line.FEHLERTEXT.isEmpty())
        line.FEHLERTEXT = ServerMessage::normalise(line.FEHLERTEXT, context);
}

bool marked(const QString& bestellen) {
    // An empty mark is a line that has never been marked, not "JA".
    const QString b = bestellen.trimmed();
    return !b.isEmpty() && b != u"0";
}

QString plainPrice(const QString& price) {
    return FormatDE::formatFloat(Convert::toFloatDef(price.trimmed(), 0.0));
}

QStringList cells(const TVerkaufskladde& l, int pos, const Context& c) {
    using namespace VkklColumns;
    const auto price = [&](const QString& p) { return c.priceText ? c.priceText(p, l) : plainPrice(p); };
    QString lieferungsart;
    if (l.ART.trimmed() == u"10")
        lieferungsart = l.LIEFERSCHEINNR.isEmpty() ? l.RECHNUNGSNR : l.LIEFERSCHEINNR;
    else if (c.deliveryText)
        lieferungsart = c.deliveryText(l.LIEFERUNGSCODE, l.FILIALE);
    else
        lieferungsart = l.LIEFERUNGSCODE;

    QStringList r;
    r.resize(count);
    r[iPos] = QString::number(pos).rightJustified(4);
    r[iBestellen] = marked(l.BESTELLEN) ? u"JA"_s : QString();
    r[iLieferadresse] = l.LIEFERADR;
    r[iArt] = CodeTables::zeilenartText(l.ART);
    r[iArtikelnummer] = l.ARTIKELNR;
    r[iBezeichnung] = l.TEXT;
    r[iBestellInfo] = l.KUNDENNOTIZ;
    r[iMenge] = l.MENGE;
    r[iEinheit] = l.EINHEIT;
    r[iKarton] = l.KARTONSTUECK.trimmed() == u"0" ? u"1"_s : l.KARTONSTUECK;
    r[iFiliale] = l.FILIALE;
    r[iNL] = l.NL;
    r[iZuLiefern] = l.ZU_LIEFERN;
    r[iLieferungsart] = lieferungsart;
    r[iLieferungscode] = l.LIEFERUNGSCODE;
    r[iText2] = l.TEXT_2;
    r[iTecDoc] = l.DIV_ART_NR;
    r[iPreiseinheit] = l.PREIS_EINHEIT;
    if (c.staffelpreis)
        r[iStaffelpreis] = c.staffelpreis(l);
    r[iEmpfVkPreis] = l.EMPF_VK_PREIS;
    r[iBruttopreis] = price(l.BRUTTOPREIS);
    r[iNettopreis] = price(l.NETTOPREIS);
    r[iNettobetrag] = price(l.NETTOBETRAG);
    r[iBruttobetrag] = price(l.BRUTTOBETRAG);
    r[iBeschaffung] = l.BESCHAFFUNGSCODE;
    r[iHersteller] = l.HERSTELLERCODE;
    r[iReferenz] = l.REFERENZ;
    r[iLagerbereich] = l.LAGERBEREICH;
    r[iBenutzer] = l.BENUTZER;
    r[iKundennr] = l.KUNDENNR;
    r[iDebitornr] = l.DEBITORNR;
    r[iLfdNr] = l.LFD_NR;
    r[iVkklId] = l.VKKL_ID;
    r[iErstelltAm] = l.ERSTELLTAM;
    r[iErstelltUm] = l.ERSTELLTUM;
    r[iGeaendertAm] = l.GEAENDERT_AM;
    r[iZentrale] = l.ZENTRALE;
    r[iBuchGr] = l.BUCH_GR;
    r[iIstFix] = l.TE_FIX;
    r[iFixeTe] = l.TE;
    r[iErrorCode] = l.FEHLERNUMMER;
    r[iErrorMessage] = l.FEHLERTEXT;
    r[iExtLager] = l.EXT_LAGER;
    r[iLieferant] = l.LIEFERANTENNR;
    r[iUniqueId] = l.UNIQUE_IDENT;
    return r;
}

} // namespace VkklRow
