#include "order/draftcellactions.h"

#include "order/deliverychoice.h"

#include "link/requests/draftrequests.h"
#include "link/serverlink.h"
#include "model/codetables.h"
#include "model/conversions.h"
#include "model/linevalues.h"
#include "model/uitexts.h"
#include "order/draftcontext.h"
#include "order/draftlineops.h"
#include "order/draftorder.h"
#include "platform/dialogs.h"
#include "services/articlewindows.h"
#include "services/deliveryaddresses.h"
#include "services/deliveryrules.h"
#include "services/procurementdecision.h"
#include "services/vkklcolumns.h"
#include "session/customerdata.h"

using namespace Qt::StringLiterals;
using namespace VkklColumns;

void DraftCellActions::toggleMark(int row) {
    if (m_d.grid.cell(iBestellen, row) == u"JA")
        m_o.set_Bestellen(row, false, false, true, QString(), QString(), u"0"_s);
    else
        m_o.set_Bestellen(row, false, false, true, QString(), QString(), u"1"_s);
}

void DraftCellActions::applyJaNein(int row, bool ja) {
    if (row < 1 || row >= m_d.grid.rowCount())
        return;
    if (!ja) {
        m_o.set_Bestellen(row, false, false, false, QString(), QString(), u"0"_s);
        return;
    }
    if (!m_o.lineReady(row, true))
        return;
    const QString code = m_d.grid.cell(iLieferungscode, row).trimmed();
    if ((code == u"97" || code == u"98") && !m_d.services.delivery->pruefeNexFilialen(row))
        return;
    m_o.set_Bestellen(row, false, m_d.isLastRow(row), false, QString(), QString(), u"1"_s);
}

void DraftCellActions::enterOnRow(int column, int row) {
    if (column < iLieferungsart)
        return;
    m_o.set_Bestellen(row, true, m_d.isLastRow(row), false, QString(), m_d.grid.cell(iMenge, row), u"1"_s);
}

void DraftCellActions::copyFromRowAbove(int column, int row) {
    if (row < 2 || row >= m_d.grid.rowCount())
        return;
    const QString above = m_d.grid.cell(column, row - 1);
    switch (column) {
    case iBestellen:
        applyJaNein(row, above == u"JA");
        break;
    case iArtikelnummer:
    case iMenge:
        m_d.grid.setCell(column, row, above);
        m_o.reopenEditor(m_d.grid.header(column), row);
        break;
    case iLieferungsart:
    case iLieferadresse:
        m_d.services.delivery->setLieferung(column, row, above);
        break;
    default:
        break;
    }
}

void DraftCellActions::commitCell(int column, int row, const QString& text) {
    if (row < 1 || row >= m_d.grid.rowCount())
        return;
    switch (column) {
    case iArtikelnummer:
        // A typed number or search text is resolved like one from the quick
        // search; the resolver writes the article into the line of the current row.
        if (m_d.resolver && !text.trimmed().isEmpty()) {
            m_d.grid.setCurrentCell(column, row);
            m_d.resolver->ArtikelNummerChange(u"sgVKKL"_s, text.trimmed());
        } else {
            m_o.restoreCell(column, row);
        }
        break;
    case iMenge:
        m_o.enterQuantity(row, text);
        break;
    case iBestellInfo:
        commitBestellInfo(row, text);
        break;
    case iBestellen:
        applyJaNein(row, text.trimmed().toUpper() == u"JA");
        break;
    default:
        if ((column != iLieferungsart && column != iLieferadresse && column != iBeschaffung) ||
            !m_d.services.delivery->setLieferung(column, row, text))
            m_o.restoreCell(column, row);
        break;
    }
}

void DraftCellActions::commitBestellInfo(int row, const QString& text) {
    const QString note = text == u"." ? QString() : text;
    if (!m_o.set_ZeilenReferenz(m_d.grid.cell(iVkklId, row), note, row))
        return;
    if (!m_o.lineReady(row, false)) {
        m_o.reopenEditor(m_d.grid.cell(iArtikelnummer, row).isEmpty() ? Artikelnummer : Menge, row);
        return;
    }
    if (m_d.grid.cell(iBestellen, row) != u"JA")
        m_o.set_Bestellen(row, true, m_d.isLastRow(row), false, QString(), m_d.grid.cell(iMenge, row),
                          u"1"_s);
    if (m_d.isLastRow(row))
        m_o.Neue_Zeile();
}

QString DraftCellActions::shownMessage(int row, bool procuredFirst) const {
    const QString message = m_d.grid.cell(iErrorMessage, row);
    const DraftSettings& s = m_d.settings;
    if (s.tenant != 1 || !message.contains(u"Der Artikel wird bei Bestellung in Rückstand genommen."_s))
        return message;
    const bool outside = !m_d.grid.cell(iExterneFiliale, row).isEmpty() && !s.aussenlagerText.isEmpty();
    const bool procured = !s.lagerauftragText.isEmpty() && !s.besorgtText.isEmpty() &&
                          m_d.grid.cell(iLogo, row).contains(s.lagerauftragText);
    if (procured && (procuredFirst || !outside))
        return s.besorgtText;
    if (outside)
        return s.aussenlagerText;
    return message;
}

QString DraftCellActions::selectionStatus(int column, int row) const {
    QString text = m_d.grid.header(column) + u": \""_s + m_d.grid.cell(column, row) + u'"';
    const QString code = m_d.grid.cell(iErrorCode, row).trimmed();
    const QString message = shownMessage(row, false);
    if (!code.isEmpty() && code != u"0")
        text += u"  ERR ["_s + code + u"]: "_s + message;
    else if (!message.isEmpty())
        text += u"  "_s + message;
    return text;
}

QString DraftCellActions::hintFor(int column, int row) {
    if (m_d.settings.importRunning)
        return QString();
    if (row == 0 || column == iLoeschen) {
        if (m_d.settings.priceDisplay < 2 && (column == iNettopreis || column == iNettobetrag))
            return QString();
        return description(column);
    }
    if (row >= m_d.grid.rowCount())
        return QString();
    if (column != iLogo)
        m_lieferzeitRow = -1;
    if (column == iLogo && m_d.grid.cell(iBestellen, row) == u"JA") {
        const QString lieferzeit = logoHint(row);
        if (!lieferzeit.isEmpty())
            return lieferzeit;
    }
    if (column == iLogo) {
        const QString name =
            m_d.customer ? CodeTables::filialName(m_d.grid.cell(iFiliale, row), m_d.customer->branches)
                         : m_d.grid.cell(iFiliale, row);
        QString hint = Txt::get(Txt::Entnahme_aus, {name});
        if (m_d.grid.cell(iLogo, row).startsWith(u"ext. Z"))
            hint += u"\r\n"_s + m_d.grid.cell(iLogo, row);
        return hint;
    }
    if (m_d.settings.priceDisplay == 1 && column == iEmpfVkPreis)
        return m_d.grid.cell(iNettopreis, row);
    const QString message = shownMessage(row, true);
    if (!message.isEmpty() && column < iBruttobetrag) {
        QString hint = u"Zeile "_s + m_d.grid.cell(iPos, row) + u":\r\n"_s;
        const QString code = m_d.grid.cell(iErrorCode, row).trimmed();
        if (code != u"0")
            hint += u" ["_s + code + u"]"_s;
        return hint + message;
    }
    if (column == iLieferungsart) {
        if (m_d.grid.cell(iArt, row) == u"RL")
            return m_d.grid.cell(iBestellInfo, row);
        const QString code = m_d.grid.cell(iLieferungscode, row).trimmed();
        QString hint = m_d.deliveryText(code, m_d.grid.cell(iFiliale, row));
        if (code != u"20" && code != u"97" && code != u"98")
            hint += u" ["_s + code + u"]"_s;
        return hint;
    }
    if (column == iArtikelnummer && !m_d.grid.cell(iBezeichnung, row).isEmpty())
        return QString();
    if (column > iBruttobetrag)
        return u"Art="_s + m_d.grid.cell(iArt, row) + u" Beschaffungscode=\""_s +
               m_d.grid.cell(iBeschaffung, row) + u"\" "_s + m_d.grid.cell(iFiliale, row) + u' ' +
               m_d.grid.cell(iReferenz, row);
    return QString();
}

QString DraftCellActions::logoHint(int row) {
    if (m_lieferzeitRow != row) {
        m_lieferzeit = m_d.services.addresses->lieferzeitText(row);
        m_lieferzeitRow = row;
    }
    return m_lieferzeit;
}

void DraftCellActions::logoClicked(int row) {
    if (row < 1 || row >= m_d.grid.rowCount())
        return;
    const QString logo = m_d.grid.cell(iLogo, row);
    const ModelContext& context = m_d.link.vkklEnvironment().context;
    const QString artikel = m_d.grid.cell(iArtikelnummer, row);
    if (logo == context.text(u"_KeinArtikel"_s, u"Artikel nicht gefunden"_s)) {
        if (!artikel.isEmpty())
            m_d.services.articleWindows->startErweiterteSuche(artikel);
        return;
    }
    const bool decision = logo == u"KEINEMENGE" ||
                          logo == context.text(u"_Expressauftrag"_s, u"Expressauftrag"_s) ||
                          (m_d.grid.cell(iArt, row) == u"BE" && m_d.grid.cell(iExtLager, row).isEmpty());
    if (decision)
        m_d.services.procurement->openBeschaffung(row);
}

bool DraftCellActions::lineReady(int row, bool report) {
    const int menge = Convert::toIntDef(m_d.grid.cell(iMenge, row), 0);
    const QString logo = m_d.grid.cell(iLogo, row);
    const ModelContext& context = m_d.link.vkklEnvironment().context;
    const QString nichtGefunden = context.text(u"_KeinArtikel"_s, u"Artikel nicht gefunden"_s);
    const QString keinBestand = context.text(u"_KeinBestand"_s, u"Kein Bestand"_s);
    QString reason;
    if (menge <= 0) {
        reason = u"Keine Menge eingegeben"_s;
    } else if (logo == nichtGefunden) {
        reason = nichtGefunden;
    } else if (logo == keinBestand) {
        VkklAnswer answer;
        const QString id = m_d.grid.cell(iVkklId, row);
        const LinkAnswer a = MyVKKLGet(m_d.link, u"4"_s, QString(), QString(), QString(), id, answer);
        if (!a.ok() || answer.lines.isEmpty() || answer.lines.first().MENGE.trimmed() == u"0")
            reason = Txt::get(Txt::KeinArtikelBestand, {m_d.grid.cell(iArtikelnummer, row)});
    }
    if (reason.isEmpty())
        return true;
    if (report) {
        const QString text = reason + u"\r\n"_s + Txt::get(Txt::nichtfertig);
        m_d.log(text);
        m_d.s.dialogs.message(QString(), text);
    }
    return false;
}

bool DraftCellActions::set_Bestellen(int row, bool mitverkauf, bool neueZeile, bool nurBestellen,
                                     const QString& rueckstand, const QString& mitverkaufMenge,
                                     const QString& mark) {
    if (row < 1 || row >= m_d.grid.rowCount())
        return false;
    const bool setting = mark == u"1";
    if (setting && !lineReady(row, true))
        return false;
    const QString id = m_d.grid.cell(iVkklId, row);
    LineValues values = LineValues::forLine(id);
    values.set(LineValues::Rueckstand,
               setting ? (rueckstand.isEmpty() ? m_o.IsRueckstand(row) : rueckstand) : u"1"_s);
    values.set(LineValues::BESTELLEN, mark);
    VkklAnswer out;
    const LinkAnswer a = MyVKKLUpdate(m_d.link, values, out);
    if (!a.ok()) {
        if (!out.lines.isEmpty())
            m_o.UpdateVKKL(Bestellen, out.lines, row, id, u"4"_s);
        if (m_d.settings.messagesEnabled())
            m_d.s.dialogs.message(QString(), a.errorText);
        const QString message =
            m_d.grid.cell(iErrorMessage, row).isEmpty() ? a.errorText : m_d.grid.cell(iErrorMessage, row);
        m_o.status(0, u"ERR: \""_s + message + u'"');
        m_d.log(u"set_Bestellen Zeile %1: %2"_s.arg(row).arg(a.errorText));
        return false;
    }
    if (!setting && m_d.settings.tenant != 1)
        m_d.grid.setCell(iLoeschen, row, QString());
    m_d.grid.setCell(iErrorMessage, row, QString());
    m_d.shadow.setCell(iErrorMessage, row, QString());
    m_o.UpdateVKKL(Bestellen, out.lines, row, id, u"4"_s);
    if (setting)
        m_o.deliveryChoice().checkFahrt(row); // a marked line keeps no planned trip

    if (nurBestellen)
        return true;
    const QString artikel = m_d.grid.cell(iArtikelnummer, row);
    if (neueZeile)
        m_o.Neue_Zeile();
    else
        m_d.grid.setCurrentCell(iArtikelnummer, std::min(row + 1, m_d.grid.rowCount() - 1));
    if (mitverkauf && setting)
        m_o.addMitverkauf(artikel, row, mitverkaufMenge);
    return true;
}

bool DraftCellActions::set_ZeilenReferenz(const QString& vkklId, const QString& text, int row) {
    LineValues values = LineValues::forLine(vkklId);
    values.set(LineValues::KUNDENNOTIZ, text);
    values.set(LineValues::Rueckstand, m_o.IsRueckstand(row));
    VkklAnswer out;
    const LinkAnswer a = MyVKKLUpdate(m_d.link, values, out);
    if (!out.lines.isEmpty())
        m_o.UpdateVKKL(BestellInfo, out.lines, row, vkklId, u"4"_s);
    m_d.grid.setCell(iLogo, row, u"..."_s);
    if (a.ok())
        return true;
    if (m_d.settings.messagesEnabled() && !m_d.settings.importRunning)
        m_d.s.dialogs.message(QString(), a.errorText);
    m_o.status(0, u"ERR: \""_s + a.errorText + u'"');
    m_d.log(a.errorText);
    return false;
}
