#include "draftgridfixture.h"

#include "order/ui/draftgridview.h"

#include <QTest>

QStringList draftHeaders() {
    return QStringList{QStringLiteral("POS."),
                       QStringLiteral("Löschen"),
                       QStringLiteral("Logo"),
                       QStringLiteral("Bestellen"),
                       QStringLiteral("Lieferadresse"),
                       QStringLiteral("ART"),
                       QStringLiteral("Artikelnummer"),
                       QStringLiteral("Bezeichnung"),
                       QStringLiteral("Bestell-Info"),
                       QStringLiteral("Menge"),
                       QStringLiteral("Einheit"),
                       QStringLiteral("Karton"),
                       QStringLiteral("Filiale"),
                       QStringLiteral("NL"),
                       QStringLiteral("ZU_LIEFERN"),
                       QStringLiteral("Lieferungsart"),
                       QStringLiteral("VKKL_Lieferungscode"),
                       QStringLiteral("TEXT_2"),
                       QStringLiteral("TecDoc-Nummer"),
                       QStringLiteral("Preiseinheit"),
                       QStringLiteral("Staffelpreis"),
                       QStringLiteral("EMPF_VK_PREIS"),
                       QStringLiteral("BRUTTOPREIS"),
                       QStringLiteral("Rabatt"),
                       QStringLiteral("Nettopreis"),
                       QStringLiteral("Nettobetrag"),
                       QStringLiteral("BRUTTOBETRAG"),
                       QStringLiteral("-->"),
                       QStringLiteral("HERSTELLER"),
                       QStringLiteral("REFERENZ"),
                       QStringLiteral("Lagerbereich"),
                       QStringLiteral("BENUTZER"),
                       QStringLiteral("KUNDENNR"),
                       QStringLiteral("DEBITORNR"),
                       QStringLiteral("LFD_NR"),
                       QStringLiteral("VKKL_ID"),
                       QStringLiteral("ERSTELLTAM"),
                       QStringLiteral("ERSTELLTUM"),
                       QStringLiteral("GEAENDERT_AM"),
                       QStringLiteral("ZENTRALE"),
                       QStringLiteral("BUCH_GR"),
                       QStringLiteral("ISTFIX"),
                       QStringLiteral("FIXE_TE"),
                       QStringLiteral("Fahrt"),
                       QStringLiteral("ErrorCode"),
                       QStringLiteral("ErrorMessage"),
                       QStringLiteral("Ext_Lager"),
                       QStringLiteral("ExterneFiliale"),
                       QStringLiteral("Lieferant"),
                       QStringLiteral("Unique_ID")};
}

QStringList draftWidthTemplates() {
    return QStringLiteral(
               "POS_;DL;LOGO_FILIALE____HH;BE;LIE ;AR;ARTIKELNR012345678;TEXT56789012345678;"
               "BESTELLINFO234567890;Menge;EINH;KART;Filial;NL34;ZU_LI;Lieferart01234;LCODE;TEXT_2;"
               "DIV_ART_NR123456;PREI;Staffel;EMPF_VKP;BRUTTOPR;RABATT;NETTOPR;NETTOBET;BRUTTOBE;-->;"
               "HERST;REFERENZ;LAGER;BENUTZER;KUNDENNR;DEBITORNR;LFD_NR;VKKL_ID;ERSTELLTAM;ERSTELLTUM;"
               "GEAENDERT_AM;ZENTRALE;BUCH_GR;ISTFIX;FIX_TE;Fahrt;ErrCode;ErrMess;Ext_Lager;"
               "ExterneFiliale;Lieferantennr;Unique_ID")
        .split(QLatin1Char(';'));
}

QStringList draftRow(const StringGrid& grid, const QList<std::pair<QString, QString>>& cells) {
    QStringList row(grid.columnCount());
    for (const auto& [header, text] : cells)
        row[grid.column(header)] = text;
    return row;
}

DraftPageHarness::DraftPageHarness(int rows) {
    grid.setHeaders(draftHeaders());
    grid.setWidthTemplates(draftWidthTemplates());
    QList<QStringList> data;
    for (int r = 1; r <= rows; ++r) {
        data.append(draftRow(grid, {{QStringLiteral("POS."), QStringLiteral("%1").arg(r, 4)},
                                    {QStringLiteral("Artikelnummer"), QStringLiteral("A%1").arg(r)},
                                    {QStringLiteral("Menge"), QString::number(r)},
                                    {QStringLiteral("Filiale"), QStringLiteral("F01")}}));
    }
    grid.setDataRows(data);
    page = std::make_unique<ShopPage>(nullptr, grid, actions, services, seams.log);
    page->resize(1000, 500);
}

DraftGridView& DraftPageHarness::view() const {
    return page->grid();
}

bool DraftPageHarness::showAndFocus() {
    page->show();
    page->activateWindow();
    if (!QTest::qWaitForWindowActive(page.get()))
        return false;
    view().setFocus();
    return view().hasFocus();
}

void DraftPageHarness::select(const QString& header, int row) {
    view().setCurrentCell(column(header), row);
}
