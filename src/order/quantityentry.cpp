#include "order/quantityentry.h"

#include "model/linevalues.h"
#include "model/uitexts.h"
#include "order/deliverychoice.h"
#include "order/draftcontext.h"
#include "order/draftorder.h"
#include "order/procurementparams.h"
#include "order/quantityrules.h"
#include "platform/dialogs.h"
#include "services/articlewindows.h"
#include "services/clientservices.h"
#include "services/deliveryaddresses.h"
#include "services/deliveryrules.h"
#include "services/procurementdecision.h"
#include "services/statisticsservice.h"
#include "services/stockservice.h"
#include "services/vkklcolumns.h"
#include "session/customerdata.h"

using namespace Qt::StringLiterals;
using namespace VkklColumns;

void QuantityEntry::message(const QString& text) const {
    m_d.log(text);
    if (m_d.settings.messagesEnabled())
        m_d.s.dialogs.message(QString(), text);
}

bool QuantityEntry::resetLine(int row) {
    LineValues v = LineValues::forLine(m_d.grid.cell(iVkklId, row));
    v.set(LineValues::MENGE, u"0"_s);
    v.set(LineValues::Rueckstand, u"0"_s);
    v.set(LineValues::EXT_LAGER, u" "_s);
    QString error;
    const bool ok = m_o.sendChange(v, row, Menge, nullptr, &error);
    m_d.log(u"Menge setzen Ext_Lager zurücksetzen Error="_s + (ok ? u"0"_s : error));
    if (ok)
        m_d.setExterneFiliale(row, QString());
    return ok;
}

void QuantityEntry::enter(int row, const QString& text) {
    StringGrid& g = m_d.grid;
    if (row < 1 || row >= g.rowCount())
        return;
    bool isNumber = false;
    int menge = text.trimmed().toInt(&isNumber);
    if (!isNumber || menge < 0) {
        if (m_d.settings.messagesEnabled())
            m_d.s.dialogs.message(QString(), Txt::get(Txt::MengeEingabeFehler, {text}));
        m_o.restoreCell(iMenge, row);
        m_o.reopenEditor(Menge, row);
        return;
    }
    if (menge > QuantityRules::maxMenge) {
        message(u"Es können maximal %1 Artikel bestellt werden."_s.arg(QuantityRules::maxMenge));
        menge = QuantityRules::maxMenge;
    }
    const QString artikel = g.cell(iArtikelnummer, row).trimmed();
    if (!artikel.isEmpty()) {
        const QString refusal = m_d.services.delivery->checkDeliveryCode(row, artikel);
        if (!refusal.isEmpty()) {
            message(refusal);
            m_o.set_Menge(row, u"0"_s);
            return;
        }
    }
    const QString te = g.cell(iFixeTe, row);
    const bool fixed = g.cell(iIstFix, row).trimmed() == u"1";
    if (menge != 0)
        menge = DeliveryRules::roundToUnit(te, QString::number(menge), fixed, false);
    if (g.cell(iBestellen, row) == u"JA")
        m_o.set_Bestellen(row, false, false, true, QString(), QString(), u"0"_s);
    // What the line holds already would hide the stock it is placed from.
    if (m_d.shadow.cell(iMenge, row).trimmed() != u"0" && !m_d.shadow.cell(iMenge, row).trimmed().isEmpty())
        resetLine(row);

    // A quantity makes an ordinary line of all but a procurement line.
    if (menge != 0 && g.cell(iArt, row).trimmed() != u"BE")
        m_o.deliveryChoice().Set_LieferArt(u"2"_s, row, QString(), true);

    if (g.cell(iBezeichnung, row).trimmed().isEmpty() || menge == 0) {
        const QString error = m_o.set_Menge(row, QString::number(menge));
        if (!error.isEmpty())
            message(error);
        return;
    }
    distribute(row, artikel, menge, te, fixed);
}

void QuantityEntry::distribute(int row, const QString& artikel, int menge, const QString& te, bool fixed) {
    StringGrid& g = m_d.grid;

    // The wanted quantity over the branches: the first portion in this line,
    // each further one in a new line of the same article.
    const QString code = g.cell(iLieferungscode, row).trimmed();
    const QString adresse = g.cell(iLieferadresse, row).trimmed();
    const bool express = code == u"97" || code == u"98";
    if (express && m_d.settings.tenant == 4) {
        // Tenant "4" takes night express from its outside warehouses.
        g.setCell(iMenge, row, QString::number(menge));
        m_o.deliveryChoice().choose(row, u"Nachtexpress"_s);
        return;
    }
    // Night express and parcel service stay on the line's branch; other
    // lines start at the branch their address sees.
    QString start =
        express ? g.cell(iFiliale, row).trimmed() : m_o.deliveryChoice().SichtfromLieferadr(adresse);
    if (start == u"SL" && !m_d.settings.connectionBranch.isEmpty())
        start = m_d.settings.connectionBranch;
    m_d.log(u"set_Filiale %1 %2"_s.arg(start, m_o.set_Filiale(row, start, true)));
    m_d.record(18, u"Artikel in Warenkorb Menge"_s, row);
    const int unit = DeliveryRules::roundToUnit(te, u"1"_s, fixed, false);
    // Further lines are appended: the empty line at the end goes first.
    m_o.dropEmptyLastRow(row);
    int rest = menge;
    if (m_d.settings.debitorLagerModus == 2) {
        rest = placeOwnWarehouse(row, artikel, code, unit, rest);
        if (rest <= 0) {
            appendEmptyLine();
            return;
        }
    }
    const int remaining = rest; // what the own warehouse left
    int last = row;
    int lines = 0;
    while (rest > 0) {
        const StockService::Placement p =
            m_d.services.stock->SetMengeStatus(artikel, rest, unit, fixed, start, code);
        if (!p.error.isEmpty()) {
            m_d.log(p.error);
            break;
        }
        if (p.status == 1 || p.menge <= 0 || p.filiale.isEmpty())
            break;
        if (lines == 0) {
            QString error = m_o.set_Filiale(row, p.filiale, true);
            if (error.isEmpty())
                error = m_o.set_Menge(row, QString::number(p.menge));
            if (!error.isEmpty()) {
                m_d.log(u"setMengeStatus -99 Restmenge=%1 %2"_s.arg(rest).arg(error));
                message(error);
                appendEmptyLine();
                return;
            }
            const DeliveryAddresses::OrderTimeAddress moved =
                m_d.services.addresses->orderTimeAddress(adresse, p.filiale);
            if (moved.applies && moved.address != adresse)
                moveToAddress(row, moved.address);
        } else {
            const QString at = m_d.services.addresses->orderTimeAddress(adresse, p.filiale).address;
            LineValues v = portionLine(artikel, u"2"_s, p.menge, code, p.filiale, at);
            const int added = m_o.insertLine(v, Menge);
            if (added == 0)
                break;
            last = added;
            m_d.record(18, u"Set_Menge Insert"_s, last);
        }
        g.setCell(iFahrt, last, p.fahrt ? u"1"_s : u"0"_s);
        ++lines;
        rest = p.rest;
    }
    if (rest > 0)
        rest = placeOutside(row, artikel, code, adresse, unit, rest, lines, last);

    if (lines == 0) {
        // Nothing has a unit: all that is left waits on the line.
        const QString error = m_o.set_Menge(row, QString::number(remaining));
        if (!error.isEmpty()) {
            message(error);
            appendEmptyLine();
            return;
        }
        last = row;
    }
    if (rest > 0 && !m_d.services.procurement->Setze_Rueck_Beschaff(last, rest, QString::number(menge)) &&
        lines > 0) {
        // The rest stays on the last line, where the server keeps it as backorder.
        const int held = g.cell(iMenge, last).trimmed().toInt();
        const QString error = m_o.set_Menge(last, QString::number(held + rest));
        if (!error.isEmpty())
            message(error);
    }
    // The first line is marked last; with several portions the co-sale
    // articles follow the last portion, which the insert marked already.
    const bool more = lines > 1;
    m_o.set_Bestellen(row, !more, false, more, QString(), QString::number(menge), u"1"_s);
    appendEmptyLine();
    const int lastPortion = g.rowCount() - 2;
    if (more && lastPortion > row && g.cell(iArtikelnummer, lastPortion).trimmed() == artikel &&
        g.cell(iBestellen, lastPortion) == u"JA")
        m_o.addMitverkauf(artikel, lastPortion, QString::number(menge));
    // Quick entry goes on with the next article.
    if (rest <= 0 && m_d.services.quickSearch && m_d.services.quickSearch->quickEntry())
        m_o.reopenEditor(Artikelnummer, g.rowCount() - 1);
}

void QuantityEntry::moveToAddress(int row, const QString& adresse) {
    LineValues v = LineValues::forLine(m_d.grid.cell(iVkklId, row));
    v.set(LineValues::LIEFERADR, adresse);
    v.set(LineValues::Rueckstand, m_o.IsRueckstand(row));
    QString error;
    if (!m_o.sendChange(v, row, Lieferadresse, nullptr, &error))
        message(error);
}

void QuantityEntry::appendEmptyLine() {
    const StringGrid& g = m_d.grid;
    if (!g.cell(iBezeichnung, g.rowCount() - 1).trimmed().isEmpty())
        m_o.Neue_Zeile();
}

LineValues QuantityEntry::portionLine(const QString& artikel, const QString& art, int menge,
                                      const QString& code, const QString& filiale,
                                      const QString& adresse) const {
    LineValues v;
    v.set(LineValues::ARTIKELNR, artikel);
    v.set(LineValues::ART, art);
    v.set(LineValues::MENGE, QString::number(menge));
    if (!code.isEmpty())
        v.set(LineValues::LIEFERUNGSCODE, code);
    v.set(LineValues::FILIALE, filiale);
    if (!adresse.isEmpty())
        v.set(LineValues::LIEFERADR, adresse);
    return v;
}

int QuantityEntry::portionOf(const Texterne_Filiale& w, int rest, int unit) {
    int portion = std::min(w.verfuegbar.trimmed().toInt(), rest);
    if (unit > 1)
        portion -= portion % unit;
    return portion;
}

LineValues QuantityEntry::outsideLine(int row, const QString& art, int menge, const QString& branch,
                                      const QString& rueckstand, const TBeschaffungInfo& b,
                                      const Texterne_Filiale& w) const {
    LineValues v = LineValues::forLine(m_d.grid.cell(iVkklId, row));
    v.set(LineValues::ART, art);
    v.set(LineValues::MENGE, QString::number(menge));
    v.set(LineValues::FILIALE, branch);
    v.set(LineValues::Rueckstand, rueckstand);
    v.set(LineValues::BESTELLEN, u"1"_s);
    v.set(LineValues::KEINEHAENDLERPRUEFUNG, u"1"_s);
    v.set(LineValues::BESCHAFFUNGSCODE,
          b.Beschaffung_setzen ? b.BE_BeschaffungsCode : LineValues::unchanged());
    v.set(LineValues::LIEFERANTENNR, b.Beschaffung_setzen ? b.BE_Lieferant : LineValues::unchanged());
    v.set(LineValues::EXT_LAGER, w.Filial_Code);
    return v;
}

int QuantityEntry::placeOwnWarehouse(int& row, const QString& artikel, const QString& code, int unit,
                                     int rest) {
    StringGrid& g = m_d.grid;
    const StockService::External outside = m_d.services.stock->freeExternalStock(row, artikel, code);
    for (const Texterne_Filiale& w : outside.branches) {
        if (rest <= 0 || w.Verkaufsart.trimmed() != u"4")
            continue;
        const int taken = portionOf(w, rest, unit);
        if (taken < 1)
            continue;
        const TBeschaffungInfo b =
            ProcurementParams::fetch(m_d, u"Seteditor Debitorbestand "_s, u"2"_s, row, w);
        const LineValues v = outsideLine(row, u"15"_s, taken, g.cell(iFiliale, row).trimmed(), u"0"_s, b, w);
        QString error;
        if (!m_o.sendChange(v, row, Menge, nullptr, &error)) {
            message(error);
            return rest;
        }
        m_d.setExterneFiliale(row, w.standardtext);
        rest -= taken;
        if (rest <= 0)
            break;
        // The rest goes on in a new line of the article, at the same address.
        const int added =
            m_o.insertLine(portionLine(artikel, u"2"_s, 0, code, g.cell(iFiliale, row).trimmed(),
                                       g.cell(iLieferadresse, row).trimmed()),
                           Artikelnummer);
        if (added == 0)
            return 0;
        row = added;
    }
    return rest;
}

int QuantityEntry::placeOutside(int row, const QString& artikel, const QString& code, const QString& adresse,
                                int unit, int rest, int& lines, int& last) {
    const StockService::External outside = m_d.services.stock->freeExternalStock(row, artikel, code);
    if (!outside.error.isEmpty()) {
        m_d.log(outside.error);
        return rest;
    }
    const bool express = code == u"97" || code == u"98";
    for (const Texterne_Filiale& w : outside.branches) {
        if (w.Verkaufsart.trimmed() == u"4" && m_d.settings.debitorLagerModus == 2)
            continue; // the own warehouse had its turn first
        if (rest <= 0)
            break;
        const int portion = portionOf(w, rest, unit);
        if (portion < 1)
            continue;
        const TBeschaffungInfo b =
            ProcurementParams::fetch(m_d, u"Seteditor nach leerräumen1 "_s, u"2"_s, row, w);
        // A warehouse that leaves a rest as backorder serves an ordinary line;
        // any other is procured from, received where its parameters say.
        const bool backorder = w.Rueckstanderlaubt.trimmed() == u"1" || !b.Beschaffung_setzen;
        QString branch =
            express ? m_d.settings.defaultBranch : m_o.deliveryChoice().SichtfromLieferadr(adresse);
        if (!backorder) {
            branch = b.BE_AnlieferFiliale;
            if (express && !m_o.deliveryChoice().branchServes(branch, code))
                branch = m_d.settings.defaultBranch;
        }
        m_d.log(
            u"setEditText nach leerräumen extern beschaffen: Rest=%1 Beschaffungsparameter=%2 %3"_s.arg(rest)
                .arg(b.Beschaffung_setzen ? u"1"_s : u"0"_s, w.BE_Param));
        const QString art = backorder ? u"2"_s : u"0"_s;
        int target = row;
        if (lines > 0) {
            target = m_o.insertLine(portionLine(artikel, art, portion, code, branch, adresse), Menge);
            if (target == 0)
                break;
        }
        const LineValues v = outsideLine(target, art, portion, branch, u"1"_s, b, w);
        QString error;
        if (!m_o.sendChange(v, target, Menge, nullptr, &error)) {
            message(error);
            break;
        }
        m_d.record(50, u"Ext Filiale Beschaffung"_s, target);
        m_d.setExterneFiliale(target, w.standardtext);
        last = target;
        ++lines;
        rest -= portion;
    }
    return rest;
}
