#include "order/shadowmerge.h"

#include "grid/stringgrid.h"
#include "order/draftlinestate.h"
#include "services/vkklcolumns.h"

#include <QHash>

using namespace Qt::StringLiterals;
using namespace VkklColumns;

namespace ShadowMerge {

namespace {

void recomputeLogo(StringGrid& grid, int row, const QString& menge, const Rules& rules,
                   StringGrid* shadow = nullptr) {
    if (rules.lineState)
        grid.setCell(iLogo, row,
                     DraftLineState::word(grid, row, menge, rules.context, rules.texts, shadow, rules.stock,
                                          shadow ? rules.losesMark : nullptr));
}

} // namespace

void propagateError(QStringList& shadowRow, const TVerkaufskladde& line) {
    QString& message = shadowRow[iErrorMessage];
    if (line.FEHLERNUMMER.trimmed() == u"0" || line.FEHLERNUMMER.trimmed().isEmpty()) {
        message = line.FEHLERTEXT;
    } else if (!line.FEHLERTEXT.isEmpty() && !message.contains(line.FEHLERTEXT)) {
        message = message.isEmpty() ? line.FEHLERTEXT : message + u'\n' + line.FEHLERTEXT;
    }
}

void mergeAll(StringGrid& grid, StringGrid& shadow, TVerkaufskladdeArray lines, const VkklRow::Context& rc,
              const Rules& rules) {
    shadow.setRowCount(grid.rowCount());
    // The shadow takes the rows as they are now; what the client keeps of a
    // line is found by its key.
    QList<QStringList> shadowRows;
    shadowRows.reserve(grid.rowCount());
    QHash<QString, int> byId;
    byId.reserve(grid.rowCount());
    for (int r = 1; r < grid.rowCount(); ++r) {
        QStringList cells = grid.row(r);
        cells.append(shadow.cell(count, r));
        byId.insert(cells.at(iVkklId), int(shadowRows.size()));
        shadowRows.append(std::move(cells));
    }

    QList<QStringList> rows;
    rows.reserve(lines.size());
    QList<int> fromShadow(lines.size(), -1);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        TVerkaufskladde& l = lines[i];
        VkklRow::prepare(l, rules.context);
        QStringList cells = VkklRow::cells(l, int(i + 1), rc);
        const int s = byId.value(l.VKKL_ID, -1);
        if (s >= 0) {
            QStringList& sr = shadowRows[s];
            propagateError(sr, l);
            cells[iFahrt] = sr.at(iFahrt);
            cells[iExterneFiliale] = sr.at(iExterneFiliale);
            fromShadow[i] = s;
        }
        rows.append(std::move(cells));
    }
    grid.setDataRows(rows);

    static const int winning[] = {iLogo,    iBestellen,     iLieferadresse, iArtikelnummer, iMenge,
                                  iFiliale, iLieferungsart, iErrorCode,     iErrorMessage};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int r = int(i + 1);
        recomputeLogo(grid, r, lines.at(i).MENGE, rules);
        const int s = fromShadow.at(i);
        if (s >= 0 && shadowRows.at(s).at(iErrorMessage).size() >= 2) {
            // A refused edit: the confirmed values and the error stay in view.
            for (int c : winning)
                grid.setCell(c, r, shadowRows.at(s).at(c));
        }
    }
    QList<QStringList> confirmed;
    confirmed.reserve(lines.size());
    for (int r = 1; r < grid.rowCount(); ++r)
        confirmed.append(grid.row(r));
    shadow.setDataRows(confirmed);
    if (grid.rowCount() < 2) {
        grid.setRowCount(2);
        shadow.setRowCount(2);
    }
}

QStringList mergeRow(StringGrid& grid, StringGrid& shadowGrid, int row, TVerkaufskladde line,
                     const QString& changedColumn, const VkklRow::Context& rc, const Rules& rules) {
    if (row >= grid.rowCount())
        grid.setRowCount(row + 1);
    shadowGrid.setRowCount(grid.rowCount());
    VkklRow::prepare(line, rules.context);
    QStringList cells = VkklRow::cells(line, 0, rc);
    const QStringList old = grid.row(row);
    cells[iPos] = old.value(iPos);

    QStringList shadow = shadowGrid.row(row);
    const QString shadowId = shadow.value(iVkklId);
    if (shadowId.isEmpty() || shadowId != line.VKKL_ID) {
        // Nothing confirmed yet for this line in this row: the server's
        // line is the first confirmed state, not another line's cells.
        shadow = cells;
        shadow.append(QString());
        shadow[iErrorMessage].clear();
    }
    propagateError(shadow, line);

    cells[iFahrt] = shadow.value(iFahrt);
    // The outside warehouse's name is the client's: it stays while the line
    // is served from outside.
    cells[iExterneFiliale] = line.EXT_LAGER.trimmed().isEmpty() ? QString() : shadow.value(iExterneFiliale);
    if (rules.tenant != 6 && rules.keepDeleteIcon) {
        cells[iLoeschen] = shadow.value(iLoeschen);
        cells[iLogo] = shadow.value(iLogo);
    }
    if (cells.at(iErrorCode).trimmed() == u"0") {
        for (int c = 0; c < count; ++c) {
            if (c != iErrorMessage && !enterable(c, rules.artikelReferenz))
                shadow[c] = cells.at(c);
        }
    }
    shadow[iBestellen] = cells.at(iBestellen);
    if (shadow.at(iLieferadresse).isEmpty())
        shadow[iLieferadresse] = cells.at(iLieferadresse);
    if (shadow.at(iFiliale).size() < 3)
        shadow[iFiliale] = cells.at(iFiliale);
    shadow[iLieferungsart] = cells.at(iLieferungsart);
    const int changed = grid.column(changedColumn);
    if (changed >= 0)
        shadow[changed] = cells.at(changed);
    shadow[iErrorCode] = cells.at(iErrorCode);
    shadow[iBeschaffung] = cells.at(iBeschaffung);
    shadowGrid.setRow(row, shadow);

    grid.setRow(row, shadow.mid(0, count));
    recomputeLogo(grid, row, line.MENGE, rules, &shadowGrid);
    shadowGrid.setCell(iLogo, row, grid.cell(iLogo, row));
    return old;
}

} // namespace ShadowMerge
