#include "order/deliverychoice.h"

#include "link/requests/articlerequests.h"
#include "link/serverlink.h"
#include "model/codetables.h"
#include "model/linevalues.h"
#include "model/uitexts.h"
#include "order/draftcontext.h"
#include "order/draftorder.h"
#include "order/procurementparams.h"
#include "platform/dialogs.h"
#include "services/stockservice.h"
#include "services/vkklcolumns.h"
#include "session/customerdata.h"

using namespace Qt::StringLiterals;
using namespace VkklColumns;

namespace {

const QStringList kinds{u"Zustellung"_s, u"Abholung"_s, u"Nachtexpress"_s, u"Paketdienst"_s};

bool expressCode(const QString& code) {
    return code == u"97" || code == u"98";
}

// Whether a branch offers the code's service (night express, parcel service).
bool offersService(const TFilialeKurz2& f, const QString& code) {
    if (code == u"97")
        return f.NACHTEXPRESS.trimmed() == u"1";
    if (code == u"98")
        return f.PAKETDIENST.trimmed() == u"1";
    return false;
}

// Whether the branch list has the branch with the code's service; a branch
// missing from the list offers nothing.
bool offers(const TFilialKurzArray2& branches, const QString& branch, const QString& code) {
    for (const TFilialeKurz2& f : branches) {
        if (f.CODE.trimmed() == branch.trimmed())
            return offersService(f, code);
    }
    return false;
}

} // namespace

void DeliveryChoice::message(const QString& text) const {
    m_d.log(text);
    if (m_d.settings.messagesEnabled())
        m_d.s.dialogs.message(QString(), text);
}

bool DeliveryChoice::branchServes(const QString& branch, const QString& code) const {
    if (m_d.settings.tenant != 1 && branch.trimmed() == u"SL")
        return true;
    if (!m_d.customer)
        return false;
    for (const TFilialeKurz2& f : m_d.customer->branches) {
        if (f.CODE.trimmed() == branch.trimmed() && f.LAGERMASKENINDEX.trimmed() != u"0")
            return offersService(f, code);
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
    // Pick-up at the branch the address's details name for a pick-up.
    return pickupCode(GetLieferungDetails(addressCode, u"Abholung"_s).branch, code);
}

DeliveryChoice::Details DeliveryChoice::GetLieferungDetails(const QString& addressCode,
                                                            const QString& code) const {
    Details d;
    const CustomerData* data = m_d.customer;
    if (!data || data->LAdr.isEmpty())
        return d;
    const TLieferadresseArray& list = data->LAdr;
    qsizetype at = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i).CODE.trimmed() == addressCode.trimmed()) {
            at = i;
            break;
        }
    }
    const TLieferadresse& a = list.at(at);
    d.addressCode = a.CODE.trimmed();
    d.tourBranch = a.TOURFILIALE.trimmed();
    if (at == 0 && d.tourBranch.isEmpty())
        d.tourBranch = data->customer.TOURFILIALE.trimmed();
    d.tourNr = a.TOURNR.trimmed();
    d.ownCode = a.LIEFERUNGSCODE.trimmed();
    QString pickup;
    const QString text = CodeTables::lieferTextMitAbholfiliale(d.ownCode, data->deliveryCodes, data->branches,
                                                               m_d.link.vkklEnvironment().context, &pickup);
    if (!text.toUpper().contains(u"ABHOLUNG")) {
        if (code.trimmed() == u"Abholung") {
            d.branch = d.tourBranch;
        } else if (expressCode(d.ownCode) || d.tourBranch.size() < 3) {
            d.tourNr.clear();
            d.tourBranch = m_d.settings.defaultBranch;
        }
    } else {
        d.branch = pickup.trimmed();
        if (m_d.settings.kdnr != u"11393" && data->customer.MAND_ID.trimmed() != u"1")
            d.tourBranch = d.branch;
    }
    d.code = d.ownCode.isEmpty() ? data->customer.LIEFERUNGSCODE.trimmed() : d.ownCode;
    if (d.branch.isEmpty())
        d.branch = data->customer.FILIALE.trimmed();
    if (d.tourBranch.isEmpty())
        d.tourBranch = m_d.settings.alternativeBranch;
    return d;
}

QString DeliveryChoice::SichtfromLieferadr(const QString& addressCode) const {
    QString view = m_d.customer ? m_d.customer->customer.FILIALE.trimmed() : QString();
    const Details d = GetLieferungDetails(addressCode, QString());
    if (d.code == u"97")
        return m_d.settings.defaultBranch;
    if (!d.tourNr.isEmpty() || d.branch.isEmpty()) {
        if (!d.tourBranch.isEmpty())
            view = d.tourBranch;
    } else {
        view = d.branch;
    }
    return view;
}

QString DeliveryChoice::Set_LieferArt(const QString& art, int row, const QString& defaultBranch,
                                      bool withDefaultCode) {
    StringGrid& g = m_d.grid;
    if (row < 1 || row >= g.rowCount() || g.cell(iVkklId, row).trimmed().isEmpty())
        return QString();
    if (g.cell(iArt, row).trimmed() == CodeTables::zeilenartText(art))
        return QString();
    if (art == u"2" && m_d.customer) {
        const Details d = GetLieferungDetails(g.cell(iLieferadresse, row), QString());
        const QString branch = defaultBranch.isEmpty() ? d.tourBranch : defaultBranch;
        const QString current = g.cell(iLieferungscode, row).trimmed();
        if (!expressCode(current) || offers(m_d.customer->branches, branch, current)) {
            m_o.set_Filiale(row, branch, true);
            if (withDefaultCode && !d.code.isEmpty())
                set_Lieferungscode(row, d.code);
        }
    }
    LineValues v = LineValues::forLine(g.cell(iVkklId, row));
    v.set(LineValues::ART, art);
    v.set(LineValues::Rueckstand, m_o.IsRueckstand(row));
    QString error;
    if (!m_o.sendChange(v, row, Art, nullptr, &error)) {
        message(u"Fehler Lieferart: "_s + error);
        return error;
    }
    if (art == u"10") {
        g.setCell(iLieferungsart, row, QString());
        m_d.shadow.setCell(iLieferungsart, row, QString());
    }
    return QString();
}

QString DeliveryChoice::set_HaendlerPruefung(int row, const QString& flag) {
    StringGrid& g = m_d.grid;
    if (row < 1 || row >= g.rowCount() || g.cell(iVkklId, row).trimmed().isEmpty())
        return QString();
    LineValues v = LineValues::forLine(g.cell(iVkklId, row));
    v.set(LineValues::Rueckstand, u"0"_s);
    v.set(LineValues::KEINEHAENDLERPRUEFUNG, flag);
    QString error;
    m_o.sendChange(v, row, QString(), nullptr, &error);
    m_d.log(u"set_HaendlerPruefung "_s + error);
    return error;
}

int DeliveryChoice::checkFahrt(int row) {
    if (row >= 1 && row < m_d.grid.rowCount())
        m_d.grid.setCell(iFahrt, row, u"0"_s);
    return 0;
}

QStringList DeliveryChoice::get_nex_filialen() const {
    QStringList out;
    const StringGrid& g = m_d.grid;
    for (int r = 1; r < g.rowCount(); ++r) {
        if (g.cell(iBestellen, r) == u"JA" && g.cell(iLieferungscode, r).trimmed() == u"97")
            out << g.cell(iFiliale, r).trimmed();
    }
    return out;
}

bool DeliveryChoice::pruefe_nex_filialen(const QString&, const QStringList&) {
    // Night express from several branches in one order is the server's matter.
    return true;
}

bool DeliveryChoice::pruefeNexFilialen(int row) {
    return pruefe_nex_filialen(m_d.grid.cell(iFiliale, row).trimmed(), get_nex_filialen());
}

QString DeliveryChoice::nexBranchFor(int row, int menge, bool* quantityToZero) {
    *quantityToZero = false;
    const StringGrid& g = m_d.grid;
    const QString artikel = g.cell(iArtikelnummer, row).trimmed();
    if (menge <= 0 || artikel.isEmpty() || !m_d.services.stock)
        return QString();
    const QString home = m_d.settings.defaultBranch;
    const StockService::Placement p =
        m_d.services.stock->SetMengeStatus(artikel, menge, 1, false, home, u"97"_s);
    if (!p.error.isEmpty() || (p.filiale == home && p.rest == 0))
        return QString();
    *quantityToZero = true;
    return p.rest == 0 && p.menge >= 1 ? p.filiale : QString();
}

bool DeliveryChoice::resetToBranch(int row, const QString& branch, bool clearQuantity) {
    StringGrid& g = m_d.grid;
    LineValues v = LineValues::forLine(g.cell(iVkklId, row));
    v.set(LineValues::ART, u"2"_s);
    if (clearQuantity)
        v.set(LineValues::MENGE, u"0"_s);
    v.set(LineValues::FILIALE, branch);
    v.set(LineValues::Rueckstand, u"0"_s);
    if (clearQuantity)
        v.set(LineValues::BESTELLEN, u"0"_s);
    v.set(LineValues::EXT_LAGER, u" "_s);
    QString error;
    const bool ok = m_o.sendChange(v, row, Filiale, nullptr, &error);
    m_d.log(u"Packliste, Filiale und Ext_Lager zurücksetzen Error="_s + (ok ? u"0"_s : error));
    if (ok) {
        m_d.setExterneFiliale(row, QString());
    }
    return ok;
}

void DeliveryChoice::nightExpressForAddress(const QString& code, const QString& addressCode) {
    StringGrid& g = m_d.grid;
    for (int r = 1; r < g.rowCount(); ++r) {
        if (g.cell(iLieferadresse, r).trimmed() != addressCode.trimmed() ||
            LieferArt2Code(g.cell(iLieferungsart, r), addressCode) == code ||
            !g.cell(iErrorMessage, r).isEmpty() || g.cell(iBezeichnung, r).trimmed().isEmpty() ||
            !branchServes(g.cell(iFiliale, r), code))
            continue;
        if (!set_Lieferungscode(r, code).isEmpty())
            continue;
        const QString menge = g.cell(iMenge, r).trimmed();
        const QString artikel = g.cell(iArtikelnummer, r).trimmed();
        if (menge.toInt() <= 0 || !m_d.services.stock)
            continue;
        const QString home = m_d.settings.defaultBranch;
        const StockService::Placement p =
            m_d.services.stock->SetMengeStatus(artikel, menge.toInt(), 1, false, home, code);
        if (!p.error.isEmpty() || p.filiale != home || p.rest != 0)
            continue;
        if (!m_o.set_Menge(r, u"0"_s).isEmpty())
            continue;
        m_o.set_Filiale(r, home, true);
        if (m_o.set_Menge(r, menge).isEmpty())
            m_o.set_Bestellen(r, false, false, true, QString(), QString(), u"1"_s);
    }
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
        return Txt::get(Txt::keinNEXPaket,
                        {artikel, Txt::get(code == u"98" ? Txt::Paketdienst : Txt::Nachtexpress)});
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
        message(Txt::get(Txt::LieferartFehler));
        return;
    }
    const bool group = k == u"Zustellung" || k == u"Abholung";
    const QString current = g.cell(iLieferungsart, row).trimmed();
    const bool currentGroup = current == u"Zustellung" || current == u"Abholung";
    if (g.cell(iArt, row) == u"BE" && g.cell(iBestellen, row) == u"JA" && group != currentGroup) {
        message(Txt::get(Txt::LieferartBeschaff));
        return;
    }
    const QString addressCode = g.cell(iLieferadresse, row).trimmed();
    QString code = LieferArt2Code(k, addressCode);
    Details d = GetLieferungDetails(addressCode, k);
    if (code == u"20" && (d.tourBranch.isEmpty() || d.tourBranch == u"kei" || d.tourNr.isEmpty())) {
        // No tour: the address keeps its own code.
        if (g.cell(iLieferungscode, row).trimmed() == u"20" && !d.ownCode.isEmpty() && d.ownCode != u"20")
            set_Lieferungscode(row, d.ownCode);
        const QString text = Txt::get(Txt::keineZustellung);
        if (m_d.settings.tenant == 1) {
            message(text);
        } else if (m_d.s.dialogs.question(
                       u"Lieferungsart ändern."_s,
                       text + u"\r\nSollen alle Bestellzeilen mit dieser Lieferadresse auf "
                              u"\"Nachtexpress\" gesetzt werden ?"_s) == Dialogs::Answer::Yes) {
            nightExpressForAddress(u"97"_s, addressCode);
        }
        return;
    }

    const QString menge = g.cell(iMenge, row).trimmed();
    const bool hasQuantity = !menge.isEmpty() && menge != u"0";
    const QString before = g.cell(iFiliale, row).trimmed();
    const QString home = m_d.settings.defaultBranch;
    bool zeroed = false;
    const auto zero = [&] {
        if (hasQuantity && !zeroed && m_o.set_Menge(row, u"0"_s).isEmpty())
            zeroed = true;
    };
    if (m_d.settings.tenant == 6) {
        if (!expressCode(code)) {
            QString branch = d.tourBranch;
            const QString own = m_d.customer ? m_d.customer->customer.FILIALE.trimmed() : QString();
            if (branch == home && own != home && !own.isEmpty() && d.ownCode != code) {
                m_d.log(
                    u"Lieferart=%1 neu:%2 Tourfiliale bisher=%3 neu=%4"_s.arg(d.ownCode, code, branch, own));
                branch = own;
                if (k == u"Abholung")
                    code = pickupCode(branch, code);
            }
            if (expressCode(g.cell(iLieferungscode, row).trimmed()))
                set_Lieferungscode(row, code);
            zero();
            const QString moved = m_o.set_Filiale(row, branch, true);
            m_d.log(u"Lieferart=%1 set_filiale %2%3"_s.arg(code, branch, moved));
        } else {
            if (before != home && hasQuantity)
                zeroed = resetToBranch(row, home, true);
            const QString moved = m_o.set_Filiale(row, home, true);
            m_d.log(u" Lieferart=%1 set_filiale %2 %3"_s.arg(code, home, moved));
            if (!moved.isEmpty()) {
                message(moved);
                return;
            }
        }
    }
    if (m_d.settings.tenant != 4 && expressCode(code) && !branchServes(g.cell(iFiliale, row), code)) {
        zero();
        const QString moved = m_o.set_Filiale(row, home, true);
        if (!moved.isEmpty()) {
            message(moved);
            return;
        }
    }
    if (m_d.settings.tenant != 1 && g.cell(iFiliale, row).trimmed() == u"SL")
        resetToBranch(row, m_d.settings.connectionBranch, false);

    const QString artikel = g.cell(iArtikelnummer, row).trimmed();
    if (!g.cell(iBezeichnung, row).trimmed().isEmpty()) {
        const QString refusal = articleFormCheck(code, addressCode, artikel);
        if (!refusal.isEmpty()) {
            message(refusal);
            m_o.restoreCell(iLieferungsart, row);
            return;
        }
    }
    if (code == u"97" && m_d.settings.tenant == 4) {
        nightExpressFromOutside(row, menge);
        return;
    }
    // Night express: the branch that has the quantity when the default branch has not.
    QString target;
    if (code == u"97" && m_d.settings.tenant != 4 &&
        !(before == home && g.cell(iFiliale, row).trimmed() == home)) {
        bool toZero = false;
        target = nexBranchFor(row, menge.toInt(), &toZero);
        if (toZero)
            zero();
    }

    pruefe_nex_filialen(g.cell(iFiliale, row).trimmed(), get_nex_filialen());
    const QString error = set_Lieferungscode(row, code);
    if (!error.isEmpty() && !error.startsWith(u"Der Artikel wurde in R")) {
        message(error);
        m_o.status(0, u"ERR: \""_s + g.cell(iErrorMessage, row) + u'"');
        g.setCell(iLogo, row, u"..."_s);
        if (!g.cell(iBezeichnung, row).trimmed().isEmpty() && m_d.services.stock)
            m_d.services.stock->stockInfo(row);
        return;
    }
    g.setCell(iLogo, row, u"..."_s);
    // The empty line at the end follows a choice for the same address and branch.
    const int next = row + 1;
    if (next == g.rowCount() - 1 && g.cell(iBezeichnung, next).trimmed().isEmpty() &&
        g.cell(iLieferadresse, next).trimmed() == addressCode &&
        g.cell(iFiliale, next).trimmed() == g.cell(iFiliale, row).trimmed() &&
        g.cell(iLieferungscode, next).trimmed() != code)
        set_Lieferungscode(next, code);
    if (!zeroed)
        return;
    // The quantity taken off for the change is placed again.
    if (!target.isEmpty())
        m_o.set_Filiale(row, target, true);
    const QString placed = m_o.set_Menge(row, menge);
    if (!placed.isEmpty()) {
        g.setCell(iMenge, row, menge);
        m_o.reopenEditor(Menge, row);
        return;
    }
    m_o.set_Bestellen(row, false, m_d.isLastRow(row), true, QString(), QString(), u"1"_s);
}

void DeliveryChoice::nightExpressFromOutside(int row, const QString& menge) {
    StringGrid& g = m_d.grid;
    const QString artikel = g.cell(iArtikelnummer, row).trimmed();
    if (artikel.isEmpty() || g.cell(iBezeichnung, row).trimmed().isEmpty()) {
        message(u"Bei Nachtexpress bitte zuerst Artikel eingeben."_s);
        m_o.restoreCell(iLieferungsart, row);
        return;
    }
    const StockService::External outside = m_d.services.stock->freeExternalStock(row, artikel, u"97"_s);
    const Texterne_Filiale* first = nullptr;
    int free = 0;
    for (const Texterne_Filiale& w : outside.branches) {
        if (w.nachtexpress.trimmed() != u"1")
            continue;
        if (!first)
            first = &w;
        free += std::max(0, w.verfuegbar.trimmed().toInt());
    }
    if (!first || free <= 0) {
        message(Txt::get(Txt::KeinBestand) + u" für Nachtexpress in "_s + m_d.settings.defaultBranch);
        m_o.restoreCell(iLieferungsart, row);
        return;
    }
    int quantity = std::max(1, menge.toInt());
    if (free < quantity) {
        quantity = free;
        message(u"Maximale Bestellmenge: "_s + QString::number(quantity));
    }
    if (!menge.isEmpty() && menge != u"0")
        m_o.set_Menge(row, u"0"_s);
    const TBeschaffungInfo b =
        ProcurementParams::fetch(m_d, u"Velkor Lieferungscode "_s, u"1"_s, row, *first);
    LineValues v = LineValues::forLine(g.cell(iVkklId, row));
    v.set(LineValues::ART, u"0"_s);
    v.set(LineValues::MENGE, QString::number(quantity));
    v.set(LineValues::FILIALE, b.Beschaffung_setzen ? b.BE_AnlieferFiliale : m_d.settings.defaultBranch);
    v.set(LineValues::Rueckstand, u"0"_s);
    if (b.Beschaffung_setzen) {
        v.set(LineValues::LIEFERUNGSCODE, b.BE_Lieferungscode);
        v.set(LineValues::BESTELLEN, u"1"_s);
        v.set(LineValues::KEINEHAENDLERPRUEFUNG, u"1"_s);
        v.set(LineValues::BESCHAFFUNGSCODE, b.BE_BeschaffungsCode);
    }
    v.set(LineValues::EXT_LAGER, first->Filial_Code);
    QString error;
    const bool ok = m_o.sendChange(v, row, Menge, nullptr, &error);
    m_d.log(u"NewVKKLUpdate errCode=%1 %2"_s.arg(ok ? u"0"_s : u"1"_s, error));
    if (!ok) {
        message(error);
        return;
    }
    m_d.setExterneFiliale(row, first->standardtext);
    m_o.set_Bestellen(row, false, m_d.isLastRow(row), true, QString(), QString(), u"1"_s);
}

QString DeliveryChoice::pickupCode(const QString& branch, const QString& fallback) const {
    if (!m_d.customer)
        return fallback;
    for (const TLieferung& l : m_d.customer->deliveryCodes) {
        if (l.ABHOL_ZIELFILIALE.trimmed() == branch && l.NAME.toUpper().startsWith(u"ABHOLUNG") &&
            l.HAENDLER_J_N.trimmed() == u"1")
            return l.CODE.trimmed();
    }
    return fallback;
}
