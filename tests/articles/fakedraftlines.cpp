#include "fakedraftlines.h"

FakeDraftLines::FakeDraftLines() {
    const QStringList headers{QStringLiteral("POS."),
                              QStringLiteral("ART"),
                              QStringLiteral("Artikelnummer"),
                              QStringLiteral("Bezeichnung"),
                              QStringLiteral("Bestell-Info"),
                              QStringLiteral("Menge"),
                              QStringLiteral("Filiale"),
                              QStringLiteral("Lieferadresse"),
                              QStringLiteral("VKKL_Lieferungscode"),
                              QStringLiteral("Staffelpreis"),
                              QStringLiteral("Nettopreis"),
                              QStringLiteral("VKKL_ID"),
                              QStringLiteral("BUCH_GR"),
                              QStringLiteral("FIXE_TE"),
                              QStringLiteral("ErrorMessage")};
    grid.setHeaders(headers);
    shadow.setHeaders(headers);
    grid.setRowCount(2);
    shadow.setRowCount(2);
    grid.setCurrentCell(grid.column(QStringLiteral("Artikelnummer")), 1);
}

void FakeDraftLines::setLine(int row, const QString& vkklId, const QString& artikel, const QString& menge) {
    if (grid.rowCount() <= row) {
        grid.setRowCount(row + 1);
        shadow.setRowCount(row + 1);
    }
    grid.setValue(QStringLiteral("VKKL_ID"), row, vkklId);
    grid.setValue(QStringLiteral("Artikelnummer"), row, artikel);
    grid.setValue(QStringLiteral("Menge"), row, menge);
    shadow.copyRowFrom(grid, row, row);
}

int FakeDraftLines::UpdateVKKL(const QString& changedColumn, const TVerkaufskladdeArray& lines, int row,
                               const QString& vkklId, const QString& mode) {
    updates.append({changedColumn, row, vkklId, mode, int(lines.size())});
    if (lines.isEmpty())
        return 1;
    const TVerkaufskladde& l = lines.first();
    grid.setValue(QStringLiteral("Artikelnummer"), row, l.ARTIKELNR);
    grid.setValue(QStringLiteral("Bezeichnung"), row, l.TEXT);
    grid.setValue(QStringLiteral("Menge"), row, l.MENGE);
    grid.setValue(QStringLiteral("Filiale"), row, l.FILIALE);
    grid.setValue(QStringLiteral("BUCH_GR"), row, l.BUCH_GR);
    grid.setValue(QStringLiteral("FIXE_TE"), row, l.TE);
    grid.setValue(QStringLiteral("VKKL_ID"), row, l.VKKL_ID);
    grid.setValue(QStringLiteral("ErrorMessage"), row, l.FEHLERTEXT);
    if (l.FEHLERNUMMER.trimmed().isEmpty() || l.FEHLERNUMMER.trimmed() == u"0")
        shadow.copyRowFrom(grid, row, row);
    return 0;
}
