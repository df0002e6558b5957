#include "order/deliverychoice.h"

#include "link/requests/articlerequests.h"
#include "link/serverlink.h"
#include "model/linevalues.h"
#include "order/draftcontext.h"
#include "order/draftorder.h"
#include "platform/dialogs.h"
#include "services/vkklcolumns.h"
#include "session/customerdata.h"

using namespace Qt::StringLiterals;
using namespace VkklColumns;

namespace {

const QStringList kinds{u"Zustellung"_s, u"Abholung"_s, u"Nachtexpress"_s, u"Paketdienst"_s};

bool expressCode(const QString& code) {
    return code == u"97" || code == u"98";
}

} // namespace

void DeliveryChoice::message(const QString& text) const {
    m_d.log(text);
    if (m_d.settings.messagesEnabled())
        m_d.s.dialogs.message(QString(), text);
}

const TLieferadresse* DeliveryChoice::address(const QString& code) const {
    if (!m_d.customer || m_d.customer->LAdr.isEmpty())
        return nullptr;
    for (const TLieferadresse& a : m_d.customer->LAdr) {
        if (a.CODE.trimmed() == code.trimmed())
            return &a;
    }
    return &m_d.customer->LAdr.first();
}

bool DeliveryChoice::branchServes(const QString& branch, const QString& code) const {
    if (m_d.settings.tenant != 1 && branch.trimmed() == u"SL")
        return true;
    if (!m_d.customer)
        return false;
    for (const TFilialeKurz2& f : m_d.customer->branches) {
        if (f.CODE.trimmed() != branch.trimmed() || f.LAGERMASKENINDEX.trimmed() == u"0")
            continue;
        if (code == u"97")
            return f.NACHTEXPRESS.trimmed() == u"1";
        if (code == u"98")
            return f.PAKETDIENST.trimmed() == u"1";
        return false;
    }
    return false;
}

QString DeliveryChoice::LieferArt2Code(const QString& kind, const QString& addressCode) const {
    const QString k = kind.trimmed();
    if (k == u"Paketdienst")
        return u"98"_s;
    const QString code = k == u"Zustellung"     ? u"20"_s
                         : k == u"Abholung"     ? u"1"_s
                         : k == u"Nachtexpress" ? u"97"_s
                                                : k;
    if (code != u"1" || !m_d.customer)
        return code;
    // Pick-up at the tour branch of the address.
    const TLieferadresse* a = address(addressCode);
    const QString branch = a && !a->TOURFILIALE.trimmed().isEmpty()
                               ? a->TOURFILIALE.trimmed()
                               : m_d.customer->customer.TOURFILIALE.trimmed();
    for (const TLieferung& l : m_d.customer->deliveryCodes) {
        if (l.ABHOL_ZIELFILIALE.trimmed() == branch && l.NAME.toUpper().startsWith(u"ABHOLUNG") &&
            l.HAENDLER_J_N.trimmed() == u"1")
            return l.CODE.trimmed();
    }
    return code;
}

QString DeliveryChoice::articleFormCheck(const QString& code, const QString& addressCode,
                                         const QString& artikel) {
    if (!expressCode(code))
        return QString();
    if (code == u"97" && m_d.customer) {
        for (const TLieferadresse& a : m_d.customer->LAdr) {
            if (a.CODE.trimmed() == addressCode.trimmed() && a.NACHTANLIEF_MOEGLICH.trimmed() == u"1")
                return QString();
        }
    }
    const LinkAnswer a =
        MyGetArtikelLogistik(m_d.link, {QString(), u"0"_s, m_d.link.login().KdNr, artikel, u"0"_s});
    if (!a.ok())
        return a.errorText;
    if (a.lines.size() == 14 && a.lines.at(code == u"98" ? 4 : 3).trimmed() == u"0")
        return u"Für den Artikel \"%1\" ist kein %2 möglich."_s.arg(
            artikel, code == u"98" ? u"Paketdienst"_s : u"Nachtexpress"_s);
    return QString();
}

QString DeliveryChoice::checkDeliveryCode(int row, const QString& artikelnr) {
    return articleFormCheck(m_d.grid.cell(iLieferungscode, row).trimmed(), m_d.grid.cell(iLieferadresse, row),
                            artikelnr);
}

QString DeliveryChoice::set_Lieferungscode(int row, const QString& code) {
    StringGrid& g = m_d.grid;
    if (row < 1 || row >= g.rowCount() || g.cell(iVkklId, row).trimmed().isEmpty())
        return QString();
    LineValues v = LineValues::forLine(g.cell(iVkklId, row));
    v.set(LineValues::LIEFERUNGSCODE, code);
    const QString branch = m_d.settings.defaultBranch;
    if (expressCode(code) && !branch.isEmpty() && !branchServes(g.cell(iFiliale, row), code)) {
        const QString moved = m_o.set_Filiale(row, branch, true);
        m_d.log(u"set_Lieferungscode set_filiale="_s + branch + u' ' + moved);
        v.set(LineValues::FILIALE, branch);
    }
    v.set(LineValues::Rueckstand, m_o.IsRueckstand(row));
    QString error;
    if (m_o.sendChange(v, row, Lieferungsart, nullptr, &error))
        return QString();
    error += u", Lieferungscode \"%1\" in Zeile %2 kann nicht gesetzt werden"_s.arg(code).arg(row);
    g.setCell(iErrorCode, row, code);
    g.setCell(iLogo, row, u"..."_s);
    m_d.log(error);
    return error;
}

void DeliveryChoice::deliveryKinds(int row, const QString&) {
    const StringGrid& g = m_d.grid;
    if (g.rowCount() < 2 || row < 1 || !m_d.settings.lieferartAuswahl ||
        (m_d.settings.tenant == 1 && m_d.settings.kdnr == u"11393"))
        return;
    const int current = int(kinds.indexOf(g.cell(iLieferungsart, row).trimmed()));
    emit m_o.deliveryKindListRequested(row, std::max(current, 0));
}

bool DeliveryChoice::setLieferung(int column, int row, const QString& text) {
    if (column != iLieferungsart)
        return false;
    choose(row, text);
    return true;
}

void DeliveryChoice::choose(int row, const QString& kind) {
    StringGrid& g = m_d.grid;
    if (row < 1 || row >= g.rowCount())
        return;
    if (m_d.settings.tenant == 1 && m_d.settings.kdnr == u"11393")
        return;
    const QString k = kind.trimmed();
    if ((k == u"Abholung" && !m_d.settings.lieferartAbholung) ||
        (k == u"Nachtexpress" && !m_d.settings.lieferartNex)) {
        message(u"Die gewählte Lieferungsart ist nicht möglich."_s);
        return;
    }
    const bool group = k == u"Zustellung" || k == u"Abholung";
    const QString current = g.cell(iLieferungsart, row).trimmed();
    const bool currentGroup = current == u"Zustellung" || current == u"Abholung";
    if (g.cell(iArt, row) == u"BE" && g.cell(iBestellen, row) == u"JA" && group != currentGroup) {
        message(u"Bei Beschaffung bitte zuerst die Bestellmenge auf \"0\" setzen."_s);
        return;
    }
    const QString addressCode = g.cell(iLieferadresse, row);
    const QString code = LieferArt2Code(k, addressCode);
    if (code == u"20") {
        const TLieferadresse* a = address(addressCode);
        const QString tourBranch = a ? a->TOURFILIALE.trimmed() : QString();
        if (!a || tourBranch.isEmpty() || tourBranch == u"kei" || a->TOURNR.trimmed().isEmpty()) {
            message(u"Für die gewählte Lieferadresse ist keine Zustellung möglich."_s);
            return;
        }
    }
    const QString artikel = g.cell(iArtikelnummer, row).trimmed();
    if (!g.cell(iBezeichnung, row).trimmed().isEmpty()) {
        const QString refusal = articleFormCheck(code, addressCode, artikel);
        if (!refusal.isEmpty()) {
            message(refusal);
            m_o.restoreCell(iLieferungsart, row);
            return;
        }
    }
    const QString error = set_Lieferungscode(row, code);
    if (!error.isEmpty()) {
        message(error);
        m_o.status(0, u"ERR: \""_s + g.cell(iErrorMessage, row) + u'"');
        return;
    }
    g.setCell(iLogo, row, u"..."_s);
}
