#include "order/draftlinestate.h"

#include "grid/stringgrid.h"
#include "model/conversions.h"
#include "model/modelcontext.h"
#include "services/stockservice.h"
#include "services/vkklcolumns.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace VkklColumns;

namespace DraftLineState {

namespace {

int wholeNumber(const QString& text) {
    int value = -1;
    if (text.contains(u'.') || !Convert::tryToInt(text, value))
        return -1;
    return value;
}

} // namespace

QString word(StringGrid& grid, int row, const QString& menge, const ModelContext& context, const Texts& texts,
             StringGrid* shadow, StockService* stock, bool* losesMark) {
    const QString message = grid.cell(iErrorMessage, row);
    const QString nichtGefunden = context.text(u"_KeinArtikel"_s, u"Artikel nicht gefunden"_s);
    if (message.contains(u"ERR_ARTIKEL_NOT_FOUND") || message.contains(nichtGefunden)) {
        grid.setCell(iBestellen, row, QString());
        return nichtGefunden;
    }
    if (grid.cell(iArt, row) == u"RL")
        return context.text(u"_LogoRuecklieferung"_s, u"Rücklieferung"_s);
    if (grid.cell(iBezeichnung, row).isEmpty())
        return u"..."_s;

    const int q = wholeNumber(grid.cell(iMenge, row));
    const int m = wholeNumber(menge);
    const QString code = grid.cell(iErrorCode, row).trimmed();
    const QString rueckstand =
        context.text(u"_Rueck_Erfolg2"_s, u"Der Artikel wird bei Bestellung in Rückstand genommen."_s);
    QString result = u"..."_s;
    const bool clean = code.compare(u"0") <= 0 && (message.isEmpty() || message.contains(rueckstand));
    if (!clean) {
        grid.setCell(iBestellen, row, QString());
        if (message.contains(context.text(u"_KeinBestand"_s, u"Kein Bestand"_s)) ||
            message.contains(u"Es kann nicht die") ||
            message.contains(u"Artikel kann über Beschaffung bestellt werden, bitte anrufen:"))
            return u"KEINEMENGE"_s;
        if (code == u"0" || q < 0)
            return result;
        if (q > 0 && q < m) {
            result = u"TEILMENGE"_s;
            if (!message.contains(u"Filiale=0"))
                return result;
        } else {
            return result;
        }
    }
    if (!(m > 0 && q > 0)) {
        // Nothing to order: a marked row loses its mark.
        if (losesMark && grid.cell(iBestellen, row) == u"JA")
            *losesMark = true;
        return u"..."_s;
    }
    if (grid.cell(iBestellen, row) != u"JA")
        return result;
    const QString art = grid.cell(iArt, row);
    const bool extern_ = !grid.cell(iExtLager, row).trimmed().isEmpty();
    if (art == u"BE" && !extern_)
        return context.text(u"_Expressauftrag"_s, u"Expressauftrag"_s);
    // The whole quantity is deliverable.
    if (grid.cell(iMenge, row) == grid.cell(iZuLiefern, row))
        return art == u"BE" ? grid.cell(iExterneFiliale, row) : u"BESTELLT"_s;
    const QString lagerauftrag = texts.lagerauftrag.isEmpty() ? u"BESTELLT"_s : texts.lagerauftrag;
    if (art == u"PL" && !extern_)
        return lagerauftrag;
    // Served from outside: the free external stock kept for the row decides.
    QString candidate = texts.aussenlager.isEmpty() ? u"BESTELLT"_s : texts.aussenlager;
    const QString express = context.text(u"_Expressauftrag"_s, u"Expressauftrag"_s);
    int free = -1;
    if (shadow && Convert::tryToInt(shadow->cell(iLoeschen, row).trimmed(), free)) {
        if (shadow->cell(iLogo, row) != u"...")
            candidate = shadow->cell(iLogo, row);
    } else if (stock) {
        // Not known yet: the outside warehouses' stock less what other rows take.
        const StockService::External outside = stock->freeExternalStock(
            row, grid.cell(iArtikelnummer, row).trimmed(), grid.cell(iLieferungscode, row).trimmed());
        if (outside.total <= 0)
            return art == u"BE" ? express : lagerauftrag;
        free = 0;
        const QString ext = grid.cell(iExtLager, row).trimmed();
        const QString cut = u"("_s + context.text(u"_extZ"_s, u"ext. Z"_s) + u')';
        for (const Texterne_Filiale& w : outside.branches) {
            free += std::max(0, Convert::toIntDef(w.verfuegbar, 0));
            if (w.Filial_Code.trimmed() != ext)
                continue;
            grid.setCell(iExterneFiliale, row, w.standardtext);
            const qsizetype at = w.standardtext.indexOf(cut);
            candidate = at > 0 ? w.standardtext.left(at) : w.standardtext;
        }
    }
    if (free != -1) {
        grid.setCell(iLoeschen, row, QString::number(free));
        if (shadow)
            shadow->setCell(iLoeschen, row, QString::number(free));
        if (free <= 0)
            return art == u"BE" ? express : lagerauftrag;
    }
    if (grid.cell(iFiliale, row).trimmed() == u"SL" && !texts.nexOstrand.isEmpty())
        return texts.nexOstrand;
    return candidate;
}

} // namespace DraftLineState
