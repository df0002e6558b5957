#include "documents/belegformular.h"

#include "documents/documentkinds.h"
#include "grid/stringgrid.h"
#include "model/codetables.h"

using namespace Qt::StringLiterals;

namespace {

QString L(const QString& text, int width) {
    return text.leftJustified(width, u' ');
}

QString R(const QString& text, int width) {
    return text.rightJustified(width, u' ');
}

const QString blank = u" "_s;

template <class H> const H* find(const QList<H>& heads, const QString& number) {
    for (const H& h : heads)
        if (h.NUMMER == number)
            return &h;
    return nullptr;
}

QStringList order(const TVerkaufsKopf& h, const QString& lieferart) {
    return {R(u"A U F T R A G"_s, 53),
            blank,
            L(h.LIEFERNAME, 40) + L(u"Datum:"_s, 20) + R(h.AUFTRAGSDATUM, 21),
            L(h.LIEFERNAME_2, 40) + L(u"Bestellscheinnummer:"_s, 20) + R(h.NUMMER, 21),
            L(h.ADRESSE, 40) + L(u"Auftrag:"_s, 20) + R(h.BUCHUNGSTEXT, 21),
            L(h.LIEFERSTRASSE, 40) + L(u"Kundennummer:"_s, 20) + R(h.KUNDENNR, 21),
            L(h.LIEFERADRESSE, 40),
            L(h.LIEFERORT, 40) + L(u"Ihre Referenz:"_s, 20) + R(h.IHRE_REFERENZ, 21),
            L(blank, 40) + L(u"Lieferart:"_s, 20) + R(lieferart, 21),
            blank,
            u"Rech-Adr: "_s + u"  "_s + h.NAME + u", "_s + h.STRASSE + u", "_s + h.PLZ_ORT,
            blank};
}

QStringList delivery(const TDebitorLieferKopf& h, const QString& lieferart) {
    return {R(u"L I E F E R S C H E I N"_s, 63),
            blank,
            L(h.LIEFERNAME, 40) + L(u"Datum:"_s, 20) + R(h.AUFTRAGSDATUM, 21),
            L(h.LIEFERNAME_2, 40) + L(u"Lieferscheinnummer:"_s, 20) + R(h.NUMMER, 21),
            L(h.ADRESSE, 40) + L(u"Auftrag:"_s, 20) + R(h.BUCHUNGSTEXT, 21),
            L(h.LIEFERSTRASSE, 40) + L(u"Kundennummer:"_s, 20) + R(h.KUNDENNR, 21),
            L(h.LIEFERADRESSE, 40) + L(u"Fakturiert Nr.:"_s, 20) + R(h.DEBITORENNR, 21),
            L(h.LIEFERORT, 40) + L(u"Ihre Referenz:"_s, 20) + R(h.IHRE_REFERENZ, 21),
            L(blank, 40) + L(u"Lieferart:"_s, 20) + R(lieferart, 21),
            blank,
            u"Rech-Adr: "_s + u"  "_s + h.NAME + u", "_s + h.STRASSE + u", "_s + h.PLZ_ORT,
            blank};
}

QStringList invoice(const TDebitorRechnungsKopf& h) {
    return {R(u"R E C H N U N G"_s, 55),
            blank,
            L(h.NAME, 40) + L(u"Datum:"_s, 22) + R(h.AUFTRAGSDATUM, 21),
            L(h.NAME_2, 40) + L(u"Rechnungsnummer:"_s, 22) + R(h.NUMMER, 21),
            L(h.ADRESSE, 40) + L(u"Kundennummer:"_s, 22) + R(h.KUNDENNR, 21),
            L(h.STRASSE, 40) + L(u"Fakturiert Nr.:"_s, 22) + R(h.DEBITORENNR, 21),
            L(h.Z_H, 40) + L(u"Ihre Referenz:"_s, 22) + R(h.IHRE_REFERENZ, 21),
            L(h.PLZ_ORT, 40),
            L(blank, 40) + L(u"Leistungsdatum ist Lieferscheindatum"_s, 22),
            blank};
}

QStringList credit(const TDebitorGutschriftsKopf& h) {
    // The booking text splits at its last blank into label and value.
    const qsizetype cut = h.BUCHUNGSTEXT.lastIndexOf(u' ');
    const QString label = cut < 0 ? h.BUCHUNGSTEXT : h.BUCHUNGSTEXT.left(cut);
    const QString value = cut < 0 ? QString() : h.BUCHUNGSTEXT.mid(cut + 1);
    return {R(u"G U T S C H R I F T"_s, 59),
            blank,
            L(h.NAME, 40) + L(u"Datum:"_s, 22) + R(h.BUCHUNGSDATUM, 21),
            L(h.NAME_2, 40) + L(u"Gutschriftnummer:"_s, 22) + R(h.NUMMER, 21),
            L(h.ADRESSE, 40) + L(u"Kundennummer:"_s, 22) + R(h.KUNDENNR, 21),
            L(h.STRASSE, 40) + L(u"Fakturiert Nr.:"_s, 22) + R(h.DEBITORENNR, 21),
            L(h.Z_H, 40) + L(label + u":"_s, 26) + R(value, 17),
            L(h.PLZ_ORT, 40) + L(u"Ihre Referenz:"_s, 22) + R(h.IHRE_REFERENZ, 21),
            blank,
            h.NAME + u", "_s + h.STRASSE + u", "_s + h.PLZ_ORT,
            blank};
}

QStringList offer(const TAngebotsKopf& h) {
    return {R(u"A N G E B O T"_s, 53),
            blank,
            L(h.KdNAME, 40),
            L(h.Kdname_2, 40) + L(u"Angebotsnummer:"_s, 20) + R(h.Angebotnummer, 21),
            L(h.Kd_strasse, 40) + L(u"Kundennummer:"_s, 20) + R(h.kundennr, 21),
            L(h.Kd_plz_ort, 40) + L(u"Ihre Referenz:"_s, 20) + R(h.KD_referenz, 21),
            L(blank, 40) + L(u"Gültig bis:"_s, 20) + R(h.gueltig_bis, 21),
            blank};
}

QStringList visibleCells(const StringGrid& heads, int row) {
    QString captions, cells;
    for (int c = 0; c < heads.columnCount(); ++c) {
        if (heads.isColumnHidden(c))
            continue;
        captions += heads.header(c) + u';';
        cells += heads.cell(c, row) + u';';
    }
    return {captions, cells};
}

} // namespace

bool MakeBelegFormular(int typ, const QString& Belegnummer, const DocumentArrays& a,
                       const TLieferungArray& lieferungen, const ModelContext& context,
                       const StringGrid& heads, int row, QString& hinttext, int lineRows) {
    hinttext.clear();
    if (lineRows < 2 || row < 1 || row >= heads.rowCount() || Belegnummer.isEmpty())
        return false;
    QStringList lines;
    switch (typ) {
    case DocumentKind::Orders:
        if (const TVerkaufsKopf* h = find(a.orderHeads, Belegnummer))
            lines = order(
                *h, CodeTables::lieferText(h->LIEFERUNGSCODE, h->AUFTRAGSFILIALE, lieferungen, context));
        break;
    case DocumentKind::DeliveryNotes:
        if (const TDebitorLieferKopf* h = find(a.deliveryHeads, Belegnummer))
            lines = delivery(*h, CodeTables::lieferText(h->LIEFERUNGSCODE, h->FILIALE, lieferungen, context));
        break;
    case DocumentKind::Invoices:
        if (const TDebitorRechnungsKopf* h = find(a.invoiceHeads, Belegnummer))
            lines = invoice(*h);
        break;
    case DocumentKind::CreditNotes:
        if (const TDebitorGutschriftsKopf* h = find(a.creditHeads, Belegnummer))
            lines = credit(*h);
        break;
    case DocumentKind::Offers:
        for (const TAngebotsKopf& h : a.offerHeads) {
            if (h.Angebotnummer == Belegnummer) {
                lines = offer(h);
                break;
            }
        }
        break;
    default:
        lines = visibleCells(heads, row);
        break;
    }
    hinttext = lines.join(u"\r\n"_s);
    return true;
}
