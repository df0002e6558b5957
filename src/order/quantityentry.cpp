#include "order/quantityentry.h"

#include "model/linevalues.h"
#include "order/draftcontext.h"
#include "order/draftorder.h"
#include "order/quantityrules.h"
#include "platform/dialogs.h"
#include "services/clientservices.h"
#include "services/deliveryrules.h"
#include "services/procurementdecision.h"
#include "services/stockservice.h"
#include "services/vkklcolumns.h"

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
        m_d.grid.setCell(iExterneFiliale, row, QString());
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
            m_d.s.dialogs.message(QString(), u"Bitte ganzzahlige Menge eingeben.\r\nIhre Eingabe war \""_s +
                                                 text + u'"');
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

    if (g.cell(iBezeichnung, row).trimmed().isEmpty() || menge == 0) {
        const QString error = m_o.set_Menge(row, QString::number(menge));
        if (!error.isEmpty())
            message(error);
        return;
    }

    // The wanted quantity over the branches: the first portion in this line,
    // each further one in a new line of the same article.
    const QString code = g.cell(iLieferungscode, row).trimmed();
    const QString start = g.cell(iFiliale, row).trimmed();
    const int unit = DeliveryRules::roundToUnit(te, u"1"_s, fixed, false);
    int rest = menge;
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
                return;
            }
            g.setCell(iFahrt, row, p.fahrt ? u"1"_s : u"0"_s);
        } else if (m_o.neueZeileMitCopy(artikel, true, u"1"_s, QString::number(p.menge), p.filiale) != 0) {
            break;
        } else {
            last = g.rowCount() - 1;
            if (g.cell(iArtikelnummer, last).trimmed().isEmpty())
                --last; // the empty line the mark appended
        }
        ++lines;
        rest = p.rest;
    }

    if (lines == 0) {
        // No branch has a unit: the whole quantity waits on the line.
        const QString error = m_o.set_Menge(row, QString::number(menge));
        if (!error.isEmpty()) {
            message(error);
            return;
        }
        last = row;
    }
    if (rest > 0 && !m_d.services.procurement->Setze_Rueck_Beschaff(last, rest, QString::number(menge))) {
        // The rest stays on the last line, where the server keeps it as backorder.
        const int held = lines == 0 ? 0 : g.cell(iMenge, last).trimmed().toInt();
        const QString error = m_o.set_Menge(last, QString::number(held + rest));
        if (!error.isEmpty())
            message(error);
    }
    // The first line is marked last, so that its co-sale articles follow all portions.
    const bool more = lines > 1;
    m_o.set_Bestellen(row, !more, !more && m_d.isLastRow(row), more, QString(), QString::number(menge),
                      u"1"_s);
    if (more && !g.cell(iBezeichnung, g.rowCount() - 1).trimmed().isEmpty())
        m_o.Neue_Zeile();
}
