#include "order/draftlineops.h"

#include "link/requests/articlerequests.h"
#include "link/requests/draftrequests.h"
#include "link/requests/sessionrequests.h"
#include "link/serverlink.h"
#include "model/conversions.h"
#include "model/formatde.h"
#include "model/uitexts.h"
#include "order/draftcontext.h"
#include "order/draftorder.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/ending.h"
#include "platform/logger.h"
#include "services/articlewindows.h"
#include "services/statisticsservice.h"
#include "services/vkklcolumns.h"
#include "session/customerdata.h"

#include <QHash>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;
using namespace VkklColumns;

void DraftLineOps::neueZeile() {
    // A failed creation reloads, and an empty reading asks for a new line:
    // the flag stops that from going round in circles.
    if (m_d.creatingLine)
        return;
    const QScopedValueRollback<bool> busy(m_d.creatingLine, true);
    StringGrid& g = m_d.grid;
    const int last = g.rowCount() - 1;
    const CustomerData* data = m_d.customer;

    QString adresse = last >= 1 ? g.cell(iLieferadresse, last).trimmed() : QString();
    if (adresse.isEmpty() && data && data->addresses.size() == 1)
        adresse = data->addresses.first().CODE;
    if (adresse.isEmpty())
        adresse = u"0"_s;
    QString filiale;
    if (!m_d.settings.noBranchFromPreviousRow && last >= 1)
        filiale = g.cell(iFiliale, last).left(3);
    if (filiale.isEmpty() && data) {
        for (const TLieferadresse& a : data->addresses) {
            if (a.CODE == adresse)
                filiale = a.TOURFILIALE;
        }
        if (filiale.isEmpty())
            filiale = data->customer.FILIALE;
    }
    QString code = data ? data->customer.LIEFERUNGSCODE : QString();

    VkklAnswer out;
    LinkAnswer a;
    if (m_d.link.serverLevel() < 17) {
        a = MyVKKLInit2(m_d.link, adresse, out);
    } else {
        LineValues v;
        v.set(LineValues::Client, m_d.settings.clientIdent);
        v.set(LineValues::LIEFERADR, adresse);
        v.set(LineValues::ART, u"2"_s);
        v.set(LineValues::MENGE, u"0"_s);
        if (!code.isEmpty())
            v.set(LineValues::LIEFERUNGSCODE, code);
        if (!filiale.isEmpty())
            v.set(LineValues::FILIALE, filiale);
        v.set(LineValues::Rueckstand, u"0"_s);
        v.set(LineValues::BESTELLEN, u"0"_s);
        a = MyVKKLInsert(m_d.link, v, out);
    }
    if (!a.ok()) {
        const QString text = a.errorText + Txt::get(Txt::Soll_beenden);
        m_d.log(u"Neue_Zeile IVKKLInit2 "_s + text);
        if (m_d.s.dialogs.question(u"Fehler bei Neue_Zeile"_s, text) == Dialogs::Answer::Yes) {
            m_d.s.ending.myterminate(u"Neue_Zeile"_s, QString());
            return;
        }
    }
    g.appendRow();
    m_d.shadow.appendRow();
    m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
    fixTourlessDelivery();
    g.setCurrentCell(iArtikelnummer, g.rowCount() - 1);
}

void DraftLineOps::fixTourlessDelivery() {
    // Delivery ("20") needs a tour; an address without one gets its default code.
    const CustomerData* data = m_d.customer;
    if (!data)
        return;
    StringGrid& g = m_d.grid;
    for (int r = 1; r < g.rowCount(); ++r) {
        if (g.cell(iLieferungscode, r).trimmed() != u"20")
            continue;
        const QString adresse = g.cell(iLieferadresse, r).trimmed();
        bool tourless = false;
        for (const TLieferadresse& a : data->addresses) {
            if (a.CODE.trimmed() == adresse)
                tourless = a.TOURNR.trimmed().isEmpty();
        }
        if (!tourless)
            continue;
        const QString code = data->customer.LIEFERUNGSCODE;
        if (code.trimmed().isEmpty() || code.trimmed() == u"20")
            continue;
        m_d.log(u"Neue_Zeile wegen Tournr=leer set_lieferungscode=%1 Zeile=%2"_s.arg(code).arg(r));
        LineValues v = LineValues::forLine(g.cell(iVkklId, r));
        v.set(LineValues::LIEFERUNGSCODE, code);
        v.set(LineValues::Rueckstand, m_o.IsRueckstand(r));
        m_o.sendChange(v, r, Lieferungsart);
    }
}

int DraftLineOps::neueZeileMitCopy(const QString& artikel, bool bestellen, const QString& mark,
                                   const QString& menge, const QString& filiale) {
    if (filiale.trimmed().isEmpty() || menge.trimmed().isEmpty())
        return 2;
    StringGrid& g = m_d.grid;
    int row = g.rowCount() - 1;
    if (row < 1 || !g.cell(iArtikelnummer, row).isEmpty() || !g.cell(iBezeichnung, row).isEmpty()) {
        neueZeile();
        row = g.rowCount() - 1;
    }
    if (row < 1 || !g.cell(iArtikelnummer, row).isEmpty())
        return 4;
    if (menge.trimmed() == u"0")
        return 4;
    // Article, branch and quantity travel together: the server checks a
    // line as a whole and refuses an article without a quantity.
    LineValues v = LineValues::forLine(g.cell(iVkklId, row));
    v.set(LineValues::ARTIKELNR, artikel);
    v.set(LineValues::MENGE, menge.trimmed());
    v.set(LineValues::FILIALE, filiale);
    v.set(LineValues::Rueckstand, u"0"_s);
    VkklAnswer out;
    if (!m_o.sendChange(v, row, Artikelnummer, &out)) {
        m_d.report(g.cell(iErrorMessage, row));
        const QString code = out.lines.isEmpty() ? QString() : out.lines.first().FEHLERNUMMER.trimmed();
        return code == u"89" || code == u"88" ? 3 : 4;
    }
    g.setCell(iMenge, row, out.lines.first().MENGE);
    m_d.shadow.setCell(iMenge, row, out.lines.first().MENGE);
    if (bestellen && mark == u"1" && !m_o.set_Bestellen(row, false, true, false, QString(), menge, u"1"_s))
        return 5;
    return 0;
}

void DraftLineOps::copyRow(int row) {
    StringGrid& g = m_d.grid;
    const QString artikel = g.cell(iArtikelnummer, row);
    if (row < 1 || artikel.trimmed().isEmpty()) {
        m_d.s.dialogs.message(QString(), u"Leere Zeile kann nicht kopiert werden."_s);
        return;
    }
    neueZeileMitCopy(artikel, true, u"1"_s, g.cell(iMenge, row), g.cell(iFiliale, row));
}

void DraftLineOps::dropEmptyLastRow(int keep) {
    StringGrid& g = m_d.grid;
    const int last = g.rowCount() - 1;
    if (last < 1 || last == keep || !g.cell(iBezeichnung, last).trimmed().isEmpty())
        return;
    const QString id = g.cell(iVkklId, last).trimmed();
    if (!id.isEmpty()) {
        QString error;
        if (deleteKeys({id}, &error) != 0) {
            m_d.log(u"setMenge myVKKLDelete "_s + error);
            return;
        }
    }
    m_d.shadow.removeRow(last);
    g.removeRow(last);
}

int DraftLineOps::insertLine(const LineValues& values, const QString& changedColumn) {
    StringGrid& g = m_d.grid;
    VkklAnswer out;
    bool end = false;
    const LinkAnswer a = MyVKKLInsert2(m_d.link, values, out, &end);
    m_d.log(u"myInsertNew:%1 code=%2 "_s.arg(a.errorText).arg(a.result));
    if (end) {
        m_d.s.ending.myterminate(u"MyVKKLInsert2"_s, QString());
        return 0;
    }
    if (!a.ok() || out.lines.isEmpty()) {
        m_d.report(a.errorText);
        m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
        neueZeile();
        return 0;
    }
    g.appendRow();
    m_d.shadow.appendRow();
    const int row = g.rowCount() - 1;
    m_o.UpdateVKKL(changedColumn, out.lines, row, out.vkklId, u"4"_s);
    return row;
}

TStatistik DraftLineOps::deletion(int row) const {
    const StringGrid& g = m_d.grid;
    TStatistik s;
    s._Aktion = StatistikAktion::Geloescht;
    s._KdNummer = m_d.link.login().KdNr;
    s._Benutzer = m_d.link.login().User;
    s._Artikel = g.cell(iArtikelnummer, row);
    s._VKKL_ID = g.cell(iVkklId, row);
    s._Nettopreis = g.cell(iNettopreis, row);
    s._Bestellmenge = g.cell(iMenge, row);
    s._AusFiliale = g.cell(iFiliale, row);
    s._Liefercode = g.cell(iLieferungscode, row);
    s._Lieferadresse = g.cell(iLieferadresse, row);
    return s;
}

void DraftLineOps::writeDeleted(const TStatistik& data) {
    m_d.services.statistics->recordDraft(StatistikEvent{u"Gelöscht"_s, data});
}

int DraftLineOps::deleteKeys(const QStringList& keys, QString* error) {
    // One key, or all keys of "Alle Zeilen löschen" at once.
    const LinkAnswer a = MyVKKLDelete(m_d.link, keys);
    if (error)
        *error = a.errorText;
    return a.result;
}

void DraftLineOps::deleteLine(int row) {
    if (m_deleting)
        return;
    const QScopedValueRollback<bool> busy(m_deleting, true);
    StringGrid& g = m_d.grid;
    if (row < 1 || row >= g.rowCount())
        return;
    const QString id = g.cell(iVkklId, row);
    if (id.trimmed().isEmpty())
        return;
    TStatistik s = deletion(row);
    s._DatumZeit = FormatDE::formatDateTime(m_d.s.clock.now());
    s._Info = u"ROW=%1 TOTAL=%2"_s.arg(row).arg(g.rowCount() - 1);
    writeDeleted(s);
    m_d.log(u"1 Zeile löschen "_s + s._Artikel + u' ' + s._Info);
    QString error;
    const int code = deleteKeys({id}, &error);
    if (code != 0) {
        m_d.log(error);
        if (m_d.settings.messageLevel >= 2)
            m_d.s.dialogs.message(QString(), error);
        return;
    }
    const bool wasLast = row == g.rowCount() - 1;
    m_d.shadow.removeRow(row);
    g.removeRow(row);
    if (m_d.s.ending.ending())
        return;
    m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
    g.setCurrentCell(g.currentColumn(), row < g.rowCount() ? row : 1);
    if (wasLast)
        m_o.newLine();
}

void DraftLineOps::deleteAll() {
    if (m_deleting)
        return;
    const QScopedValueRollback<bool> busy(m_deleting, true);
    StringGrid& g = m_d.grid;
    Ending& ending = m_d.s.ending;
    if (m_d.settings.messagesEnabled() && !ending.ending() &&
        m_d.s.dialogs.question(Txt::get(Txt::ZeilenLoeschen), Txt::get(Txt::AlleLoeschen)) !=
            Dialogs::Answer::Yes)
        return;
    const int n = g.rowCount() - 1;
    m_o.status(0, u"Alle %1 Zeilen löschen - Bitte warten."_s.arg(n));
    QDateTime when;
    if (!MyGetServerTime(m_d.link, u"Alle Zeilen löschen"_s, when).ok() || !when.isValid())
        when = m_d.s.clock.now();
    const QString stamp = FormatDE::formatDateTime(when);

    QStringList keys;
    for (int r = 1; r < g.rowCount(); ++r) {
        const QString id = g.cell(iVkklId, r).trimmed();
        if (!id.isEmpty())
            keys.append(id);
    }
    if (n < 11) {
        for (int r = 1; r < g.rowCount(); ++r) {
            if (g.cell(iVkklId, r).trimmed().isEmpty())
                continue;
            TStatistik s = deletion(r);
            s._DatumZeit = stamp;
            writeDeleted(s);
        }
    } else {
        TStatistik s;
        s._Aktion = StatistikAktion::Geloescht;
        s._KdNummer = m_d.link.login().KdNr;
        s._Benutzer = m_d.link.login().User;
        s._DatumZeit = stamp;
        s._Info = u"%1 Zeilen"_s.arg(n);
        writeDeleted(s);
    }
    if (!keys.isEmpty()) {
        QString error;
        if (deleteKeys(keys, &error) != 0) {
            m_d.report(error);
            m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
            return;
        }
    }
    m_d.log(u"Alle Zeilen gelöscht"_s);
    g.setRowCount(2);
    m_d.shadow.setRowCount(2);
    g.clearRow(1);
    m_d.shadow.clearRow(1);
    if (!ending.ending())
        m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
}

void DraftLineOps::markAll(bool set) {
    StringGrid& g = m_d.grid;
    m_o.status(0, u"Auftrag wird bearbeitet - Bitte warten."_s);
    m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
    const QString mark = set ? u"1"_s : u"0"_s;
    QList<int> rows;
    for (int r = 1; r < g.rowCount(); ++r) {
        if (set ? m_o.lineReady(r, false) : g.cell(iBestellen, r) == u"JA")
            rows.append(r);
    }
    if (rows.isEmpty())
        return;
    if (!m_d.link.soap()) {
        for (int r : rows)
            m_o.set_Bestellen(r, false, false, true, QString(), QString(), mark);
        return;
    }
    QList<VkklRequests::MassUpdateItem> items;
    for (int r : rows)
        items.append({g.cell(iVkklId, r), VkklRequests::FieldCode::Bestellen, mark,
                      set ? m_o.IsRueckstand(r) : u"1"_s});
    VkklAnswer out;
    const LinkAnswer a = MyMassenUpdate(m_d.link, items, out);
    if (!a.ok())
        m_d.report(a.errorText);
    m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
}

void DraftLineOps::setReference(const QString& referenz, bool onlyMarked) {
    StringGrid& g = m_d.grid;
    m_o.status(0, u"Bestellnummer/Referenz wird gesetzt - Bitte warten."_s);
    QList<int> rows;
    for (int r = g.rowCount() - 1; r >= 1; --r) {
        // A line without article has nothing to refer to; the server refuses it.
        if (g.cell(iArtikelnummer, r).isEmpty() || (onlyMarked && g.cell(iBestellen, r) != u"JA"))
            continue;
        rows.append(r);
    }
    QString text = referenz;
    int failed = 0;
    QStringList messages;
    if (m_d.link.soap()) {
        QList<VkklRequests::MassUpdateItem> items;
        for (int r : rows)
            items.append({g.cell(iVkklId, r), VkklRequests::FieldCode::Referenz, text, m_o.IsRueckstand(r)});
        if (!items.isEmpty()) {
            VkklAnswer out;
            const LinkAnswer a = MyMassenUpdate(m_d.link, items, out);
            if (!a.ok())
                m_d.report(a.errorText);
        }
    } else {
        int done = 0;
        for (int r : rows) {
            m_o.status(0, u"Referenz wird gesetzt %1 von %2"_s.arg(++done).arg(rows.size()));
            LineValues v = LineValues::forLine(g.cell(iVkklId, r));
            v.set(LineValues::REFERENZ, text);
            v.set(LineValues::Rueckstand, m_o.IsRueckstand(r));
            VkklAnswer out;
            const LinkAnswer a = MyVKKLUpdate(m_d.link, v, out);
            if (!a.ok()) {
                ++failed;
                messages.append(a.errorText);
            } else if (!out.lines.isEmpty() && !out.lines.first().REFERENZ.isEmpty()) {
                text = out.lines.first().REFERENZ;
            }
        }
        if (failed > 0)
            m_d.report(u"%1 Fehler\r\n"_s.arg(failed) + messages.join(u"\r\n"_s));
    }
    m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
}

void DraftLineOps::fillQuantities() {
    StringGrid& g = m_d.grid;
    for (int r = 1; r < g.rowCount(); ++r) {
        const QString artikel = g.cell(iArtikelnummer, r).trimmed();
        if (artikel.isEmpty() || g.cell(iMenge, r).trimmed() != u"0")
            continue;
        QString te;
        TArtikelLongInfoArray found;
        if (MySucheArtikelAlle(m_d.link, artikel, found).ok() && !found.isEmpty())
            te = found.first().TE;
        const QString menge = QString::number(std::max(1, Convert::toIntDef(te, 1)));
        LineValues v = LineValues::forLine(g.cell(iVkklId, r));
        v.set(LineValues::MENGE, menge);
        v.set(LineValues::Rueckstand, u"0"_s);
        v.set(LineValues::BESTELLEN, u"1"_s);
        VkklAnswer out;
        const LinkAnswer a = MyVKKLUpdate(m_d.link, v, out);
        if (!a.ok()) {
            g.setCell(iMenge, r, menge);
            m_d.shadow.setCell(iMenge, r, menge);
        }
        m_d.log(u"AlleZeilen_TEsetzen Zeile%1 ECode=%2 %3"_s.arg(r).arg(a.result).arg(a.errorText));
    }
    m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
}

int DraftLineOps::chkVKKL(bool show) {
    VkklAnswer answer;
    const LinkAnswer a = MyVKKLGet(m_d.link, u"0"_s, QString(), QString(), QString(), u"0"_s, answer);
    if (!a.ok() && a.result != 119 && a.result != 113) {
        m_d.log(a.errorText);
        return 1;
    }
    QHash<QString, QString> changed;
    for (const TVerkaufskladde& l : answer.lines)
        changed.insert(l.VKKL_ID, l.GEAENDERT_AM);
    const StringGrid& g = m_d.grid;
    int result = 0;
    for (int r = 1; r < g.rowCount(); ++r) {
        const QString id = g.cell(iVkklId, r);
        if (id.isEmpty())
            continue;
        const auto it = changed.constFind(id);
        if (it == changed.cend() || *it != g.cell(iGeaendertAm, r)) {
            result = 1;
            if (show)
                m_d.log(u"ChkVKKL Zeile %1 VKKL_ID=%2 geändert"_s.arg(r).arg(id));
        }
    }
    return result;
}

void DraftLineOps::addMitverkauf(const QString& artikel, int row, const QString& menge) {
    StringGrid& g = m_d.grid;
    const int last = g.rowCount() - 1;
    if (!g.cell(iArtikelnummer, last).isEmpty())
        return;
    const QStringList articles = m_d.services.quickSearch->mitverkaufsArtikel(artikel);
    if (articles.isEmpty() || m_d.settings.mitverkaufen == 2)
        return;
    if (m_d.settings.mitverkaufen == 1) {
        const QScopedValueRollback<bool> asking(m_d.mitverkaufFrage, true);
        if (m_d.s.dialogs.question(Txt::get(Txt::Mitverkauf1), Txt::get(Txt::Mitverkauf2)) !=
            Dialogs::Answer::Yes)
            return;
    }
    const QString filiale = g.cell(iFiliale, row);
    const QString qty = menge.trimmed().isEmpty() ? u"1"_s : menge.trimmed();
    for (const QString& a : articles) {
        const int target = g.rowCount() - 1;
        LineValues v = LineValues::forLine(g.cell(iVkklId, target));
        v.set(LineValues::ARTIKELNR, a);
        v.set(LineValues::MENGE, qty);
        v.set(LineValues::FILIALE, filiale);
        v.set(LineValues::BESTELLEN, u"1"_s);
        VkklAnswer out;
        const LinkAnswer answer = MyVKKLUpdate(m_d.link, v, out);
        if (!answer.ok()) {
            LineValues only = LineValues::forLine(g.cell(iVkklId, target));
            only.set(LineValues::ARTIKELNR, a);
            VkklAnswer ignored;
            MyVKKLUpdate(m_d.link, only, ignored);
            m_d.report(Txt::get(Txt::Mitverkauf3, {a, answer.errorText, qty}));
        }
        neueZeile();
    }
    m_o.UpdateVKKL(QString(), {}, 0, u"0"_s, u"0"_s);
}
