#include "settings/draftcolumnchoice.h"

using namespace Qt::StringLiterals;

namespace DraftColumnChoice {

QList<Item> items(bool graduated) {
    QList<Item> list{{u"Artikel-Bezeichnung"_s, u"Bezeichnung"_s},
                     {u"Packungseinheit"_s, u"Einheit"_s},
                     {u"Karton-Stück"_s, u"Karton"_s},
                     {u"Niederlassung"_s, u"NL"_s},
                     {u"Zusatzbezeichnung"_s, u"TEXT_2"_s},
                     {u"TecDoc-Nummer"_s, u"TecDoc-Nummer"_s},
                     {u"Ihre Bemerkung / Notiz"_s, kNote},
                     {u"Preiseinheit"_s, u"Preiseinheit"_s},
                     {u"Empfohlener Verkaufspreis"_s, u"EMPF_VK_PREIS"_s},
                     {u"Brutto-Einkaufspreis"_s, u"BRUTTOPREIS"_s},
                     {u"Nettopreis"_s, u"Nettopreis"_s},
                     {u"Nettobetrag"_s, u"Nettobetrag"_s},
                     {u"Bruttobetrag inkl. MWSt."_s, u"BRUTTOBETRAG"_s},
                     {u"Hersteller-EinspeiserCode"_s, u"HERSTELLER"_s}};
    if (graduated)
        list.append({u"Staffelpreis"_s, u"Staffelpreis"_s});
    return list;
}

QString itemText(const Item& item) {
    return u"Spalte \""_s + item.caption + u"\""_s;
}

bool isPriceColumn(const QString& header) {
    return header == u"Nettopreis" || header == u"Nettobetrag" || header == u"BRUTTOPREIS" ||
           header == u"Rabatt" || header == u"BRUTTOBETRAG";
}

QList<int> widths(const QStringList& headers, const QList<int>& standard, const QList<int>& stored,
                  const Choice& choice, bool graduated) {
    QStringList listed;
    for (const Item& i : items(graduated))
        listed << i.header;
    QList<int> out;
    out.reserve(headers.size());
    for (qsizetype c = 0; c < headers.size(); ++c) {
        const QString& h = headers.at(c);
        bool visible = standard.value(c, -1) != 0;
        if (choice.mode == 1 && listed.contains(h))
            visible = choice.checked.contains(h);
        if (!choice.pricesAlways && isPriceColumn(h))
            visible = false;
        const int kept = stored.value(c, 0);
        out << (!visible ? 0 : kept >= 1 ? kept : -1);
    }
    return out;
}

} // namespace DraftColumnChoice
