#include "articles/articleentry.h"

#include "articles/netztyp.h"
#include "grid/stringgrid.h"
#include "link/requests/articlerequests.h"
#include "link/requests/draftrequests.h"
#include "model/uitexts.h"
#include "platform/dialogs.h"
#include "platform/ending.h"
#include "platform/logger.h"
#include "session/session.h"

namespace {

const QString colArtikel = QStringLiteral("Artikelnummer");
const QString colMenge = QStringLiteral("Menge");
const QString colError = QStringLiteral("ErrorMessage");

bool isGrid(const QString& sender) {
    return sender.startsWith(u"sg");
}

} // namespace

ArticleEntry::ArticleEntry(Session& session, DraftLineAccess& draft, const ClientServices& services,
                           Seams seams, const LokalIni* ini, QObject* parent)
    : QObject(parent)
    , m_session(session)
    , m_draft(draft)
    , m_services(services)
    , m_s(seams)
    , m_typeAhead(ini)
    , m_alternatives(session.link(), seams.dialogs, seams.log) {
    m_alternatives.status = [this](const QString& text) { status(4, text); };
    m_typeAhead.loadEanMode();
}

QString ArticleEntry::option(const QString& key) const {
    // The options window's settings, as the user set them for this run.
    if (key == u"SHOWPREIS")
        return ClientOptions::showPreisWord(m_session.settings().showPreis);
    if (key == u"SHOWMESSAGE")
        return ClientOptions::showMessageWord(m_session.settings().showMessage);
    bool found = false;
    const QString value = m_session.options().value(key, true, &found);
    if (found)
        return value;
    if (key == u"ALTERNATIVARTIKEL_MIT_BESTAND")
        return QStringLiteral("0");
    return QString();
}

SupplierNames ArticleEntry::suppliers() const {
    return SupplierNames(&m_session.einspeiser());
}

QString ArticleEntry::phoneOnlyText() const {
    return m_session.phoneOnlyText();
}

QString ArticleEntry::refusedText(const QString& nummer) {
    return Txt::get(Txt::nichtlieferbar, {nummer});
}

QString ArticleEntry::alternativesEnding(bool found) const {
    if (found)
        return Txt::get(Txt::Alternativ_gefunden);
    return QStringLiteral("\r\n") + Txt::get(Txt::keineAlternativ) +
           (option(QStringLiteral("ALTERNATIVARTIKEL_MIT_BESTAND")) == u"0" ? Txt::get(Txt::mitBestand)
                                                                            : QString()) +
           QStringLiteral("gefunden.");
}

AlternativeSearch::Options ArticleEntry::alternativeOptions() const {
    AlternativeSearch::Options o;
    o.showPreis = option(QStringLiteral("SHOWPREIS"));
    o.mitBestand = option(QStringLiteral("ALTERNATIVARTIKEL_MIT_BESTAND"));
    o.bestandFilter = option(QStringLiteral("BESTAND_FILTER_ALLGEMEIN"));
    o.customerBranch = m_session.customerData().customer.FILIALE;
    PriceService* prices = m_services.prices;
    o.formatPrice = [prices](const QString& p) { return prices->formatPrice(p); };
    return o;
}

void ArticleEntry::inform(const QString& text) {
    if (option(QStringLiteral("SHOWMESSAGE")) != u"OFF")
        m_s.dialogs.message(QString(), text, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
}

void ArticleEntry::logEvent(int aktion, const QString& info, const QString& artikel, const QString& buchGr,
                            TStatistik e) {
    e._Aktion = aktion;
    e._Info = info;
    e._KdNummer = m_session.link().login().KdNr;
    e._Benutzer = m_session.link().login().User;
    e._Artikel = artikel;
    e._Buchgr = buchGr;
    m_services.statistics->record(e);
}

void ArticleEntry::hidePopups() {
    const bool changed = m_hitVisible || m_infoVisible || m_alternatives.visible();
    m_hitVisible = false;
    m_infoVisible = false;
    m_alternatives.setVisible(false);
    m_services.stock->hideStock();
    if (changed) {
        Q_EMIT hitListVisibilityChanged(false);
        Q_EMIT infoChanged();
        Q_EMIT alternativesChanged();
    }
}

void ArticleEntry::setInfo(const QList<ArticleInfoRow>& rows) {
    m_info = rows;
    m_infoVisible = !rows.isEmpty();
    Q_EMIT infoChanged();
}

void ArticleEntry::showAlternatives(bool visible) {
    m_alternatives.setVisible(visible);
    Q_EMIT alternativesChanged();
}

QString ArticleEntry::logPrefix(const QString& sender) const {
    if (sender == u"edArtikel")
        return QStringLiteral("Schnellsuche ");
    if (sender == u"sgVKKL")
        return QStringLiteral("sgVKKL ");
    if (sender.isEmpty())
        return QStringLiteral("unbekannt ");
    return sender + (isGrid(sender) ? QStringLiteral(" TStringgrid ") : QStringLiteral(" TEdit "));
}

std::optional<int> ArticleEntry::uniqueHit(const TArtikelLongInfoArray& hits, QString& text) const {
    // Only the first two hits count as an exact match; blanks in the stored
    // number may be left out when typing.
    for (int i = 0; i < std::min<qsizetype>(2, hits.size()); ++i) {
        const QString& nummer = hits.at(i).NUMMER;
        if (text == nummer || text == QString(nummer).remove(QLatin1Char(' ')))
            return i;
    }
    if (hits.size() == 1)
        return 0;
    // A blocked article with its successor.
    if (hits.size() == 2 && hits.at(0).GESPERRT == u"1" && !hits.at(0).NUMMER.contains(u'#')) {
        const TArtikelLongInfo& next = hits.at(1);
        if (next.NUMMER.contains(u'#') || next.NUMMER != text) {
            text = next.NUMMER;
            if (next.GESPERRT == u"0")
                return 1;
        }
    }
    return std::nullopt;
}

ArticleResolver::Result ArticleEntry::ArtikelNummerChange(const QString& sender, const QString& Nummer) {
    Result r;
    if (!m_session.loggedIn())
        return r;
    status(4, QStringLiteral("Ready"));
    m_owner = sender == u"edArtikel" || sender == u"sgVKKL" || !isGrid(sender) ? sender : QString();
    const QString prefix = logPrefix(sender);
    const bool fromGrid = sender == u"sgVKKL";
    const bool ean = m_typeAhead.eanMode();

    QString text = Nummer.toUpper();
    TArtikelLongInfoArray hits;
    LinkAnswer a = ean ? MySucheEAN_ArtikelAlle(m_session.link(), text, hits)
                       : MySucheArtikelAlle(m_session.link(), text, hits);
    if (a.ok() && hits.isEmpty()) {
        a.result = 61;
        a.errorText = QStringLiteral("ERR_ARTIKEL_NOT_FOUND");
    }
    if (!a.ok()) {
        QString message =
            a.errorText.contains(u"ERR_ARTIKEL_NOT_FOUND")
                ? QString(Txt::get(Txt::KeinArtikel) + QStringLiteral(": \"") + text + QStringLiteral("\"."))
                : QString(QLatin1Char('"') + text + QStringLiteral("\" ") + a.errorText);
        if (ean)
            message += Txt::get(Txt::EAN_aktiv);
        m_s.log.Log(1, prefix + message, 1);
        r.FehlerMessage = message;
        m_hint = message;
        Q_EMIT fieldHintChanged(message);
        if (fromGrid) {
            const int row = m_draft.visibleGrid().currentRow();
            m_draft.visibleGrid().setValue(colArtikel, row, Nummer);
            m_draft.visibleGrid().setValue(colError, row, message);
            Q_EMIT focusRequested(Focus::Grid);
        }
        return r;
    }

    const std::optional<int> unique = uniqueHit(hits, text);
    if (unique) {
        const TArtikelLongInfo& hit = hits.at(*unique);
        text = hit.NUMMER;
        r.myARTI_ID = hit.ARTI_ID;
        if (ean && Nummer.size() > 10) {
            TStatistik e;
            e._Bestellmenge = QStringLiteral("0");
            e._dummy1 = QStringLiteral("EAN=") + QStringLiteral("TRUE ");
            logEvent(18, QStringLiteral("Artikel Schnellsuche"), Nummer, hits.first().BUCH_GR, e);
        }
        if (fromGrid) {
            gridCaller(hit, r);
            return r;
        }
        r.Artikelgefunden = hit.NUMMER;
        r.FehlerMessage = blocked(hit.GESPERRT) ? QStringLiteral("Gesperrt") : QStringLiteral("OK");
        r.ArtikelLong = hit;
    } else if (!fromGrid) {
        r.Artikelgefunden = sender == u"sgVKKLRueck" ? Nummer.toUpper() : QStringLiteral("?");
        if (hits.size() > 1)
            r.FehlerMessage = QString::number(hits.size()) + QStringLiteral(" Artikel gefunden");
    }
    m_s.log.Log(1, prefix + QString::number(hits.size()) + QStringLiteral(" Treffer für ") + Nummer, 1);
    showHits(hits);
    return r;
}

void ArticleEntry::showHits(const TArtikelLongInfoArray& hits) {
    m_hitList.setHits(hits, suppliers());
    m_hitVisible = true;
    Q_EMIT hitListVisibilityChanged(true);
}

void ArticleEntry::gridCaller(const TArtikelLongInfo& hit, Result& r) {
    StringGrid& grid = m_draft.visibleGrid();
    const int row = grid.currentRow();
    Q_EMIT focusRequested(Focus::Grid);
    if (blocked(hit.GESPERRT) || hit.BUCH_GR == u"0") {
        grid.setValue(colArtikel, row, m_draft.shadowGrid().value(colArtikel, row));
        m_alternatives.suche_alternativ(hit.NUMMER, Netztyp::alternatives, QPoint(), false,
                                        AlternativeSearch::Target::Grid, true, alternativeOptions());
        const bool found = m_alternatives.visible();
        Q_EMIT alternativesChanged();
        r.FehlerMessage = refusedText(hit.NUMMER);
        m_s.dialogs.message(QString(), r.FehlerMessage + alternativesEnding(found), Dialogs::Buttons::Ok,
                            Dialogs::Icon::Warning);
        if (found)
            Q_EMIT focusRequested(Focus::Alternatives);
        return;
    }
    if (phoneOnly(hit.BUCH_GR)) {
        grid.setValue(colArtikel, row, m_draft.shadowGrid().value(colArtikel, row));
        r.FehlerMessage = phoneOnlyText();
        m_s.dialogs.message(QString(), r.FehlerMessage, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
        return;
    }
    const QString oldArtikel = m_draft.shadowGrid().value(colArtikel, row);
    const QString oldMenge = grid.value(colMenge, row).trimmed();
    const QString menge = m_services.delivery->roundToTE(oldMenge, hit.TE);
    if (!oldArtikel.isEmpty() && oldArtikel != hit.NUMMER && !oldMenge.isEmpty() && oldMenge != u"0") {
        m_services.delivery->resetQuantity(row);
        grid.setValue(colMenge, row, menge);
    }
    QString error = m_services.delivery->checkDeliveryCode(row, hit.NUMMER);
    if (error.isEmpty())
        error = set_Artikel(row, hit.NUMMER, menge, false);
    else
        inform(error);
    if (!error.isEmpty()) {
        grid.setValue(colMenge, row, QStringLiteral("0"));
        r.FehlerMessage = error;
        return;
    }
    r.Artikelgefunden = hit.NUMMER;
    r.ArtikelLong = hit;
}

QString ArticleEntry::set_Artikel(int zeilenr, const QString& Artikelnr, const QString& menge,
                                  bool checkfiliale) {
    StringGrid& grid = m_draft.visibleGrid();
    const QString vkklId = grid.value(QStringLiteral("VKKL_ID"), zeilenr);
    const QString oldFiliale = grid.value(QStringLiteral("Filiale"), zeilenr);
    LineValues values = LineValues::forLine(vkklId);
    values.set(LineValues::ARTIKELNR, Artikelnr);
    VkklAnswer out;
    const LinkAnswer a = MyVKKLUpdate(m_session.link(), values, out);
    // A refused change still brings the line with its error back.
    if (!out.lines.isEmpty())
        m_draft.UpdateVKKL(colArtikel, out.lines, zeilenr, vkklId, QStringLiteral("4"));
    if (a.ok()) {
        if (checkfiliale && grid.value(QStringLiteral("Filiale"), zeilenr) != oldFiliale)
            m_services.delivery->reapplyBranch(zeilenr);
        if (!menge.isEmpty())
            grid.setValue(colMenge, zeilenr, menge);
        return QString();
    }
    const QString error = a.errorText + QStringLiteral(" Zeile ") + QString::number(zeilenr);
    m_s.log.Log(1, QStringLiteral("set_Artikel ") + error, 1);
    inform(error);
    status(4, QStringLiteral("ERR: \"") + grid.value(colError, zeilenr) + QLatin1Char('"'));
    return error;
}

bool ArticleEntry::mehrfach_gefunden(const QString& sInfo, const QString& AktiveSeite, bool alle_holen,
                                     bool leere_Zeilen_pruefen) {
    ServerLink& link = m_session.link();
    if (!link.soap())
        return false;
    const StringGrid& grid = m_draft.visibleGrid();
    int rl = 0;
    int andere = 0;
    for (int row = 1; row < grid.rowCount(); ++row) {
        // The server's lines without an article are counted when asked; so
        // are the grid's rows that stand for them, or the empty line every
        // draft order ends with would read as a change from elsewhere.
        const bool empty = grid.value(QStringLiteral("Bezeichnung"), row).trimmed().isEmpty();
        if (empty &&
            (!leere_Zeilen_pruefen || grid.value(QStringLiteral("VKKL_ID"), row).trimmed().isEmpty()))
            continue;
        (grid.value(QStringLiteral("ART"), row) == u"RL" ? rl : andere)++;
    }
    QString finding;
    if (alle_holen && (rl == 0 || andere == 0)) {
        VkklAnswer out;
        const LinkAnswer a =
            MyVKKLGet(link, QStringLiteral("0"), QString(), QString(), QString(), QString(), out);
        // A draft order without lines is an answer, not a failure.
        if (!a.ok() && a.result != NoOpenDraftLines) {
            if (m_s.ending.destroyStatus() != Ending::Running)
                return true;
            finding = QStringLiteral("Unterschiedliche Anzahl der Zeilen.");
        } else {
            int serverRl = 0;
            int serverAndere = 0;
            for (const TVerkaufskladde& line : out.lines) {
                if (!leere_Zeilen_pruefen && line.TEXT.trimmed().isEmpty())
                    continue;
                (line.ART.trimmed() == u"10" ? serverRl : serverAndere)++;
            }
            if (serverRl != rl || serverAndere != andere)
                finding = QStringLiteral("Unterschiedliche Anzahl der Zeilen.");
        }
    }
    const bool returnsTab = AktiveSeite == u"tsRuecklieferung";
    const bool shopTab = AktiveSeite == u"tsVerkaufskladde";
    if (finding.isEmpty() && returnsTab && andere > 0)
        finding = QStringLiteral("Im Rücklieferungsmodus wurden Verkaufszeilen gefunden.");
    if (finding.isEmpty() && shopTab && rl > 0)
        finding = QStringLiteral("Im Warenkorb wurden Rücklieferzeilen gefunden.");
    if (finding.isEmpty())
        return false;
    m_s.log.Log(1,
                QString::asprintf("%s inside mehrfach_gefunden AktiveSeite=%s RL=%d Andere=%d",
                                  qUtf8Printable(sInfo), qUtf8Printable(AktiveSeite), rl, andere),
                1);
    const QString text = finding + QStringLiteral("\r\n") +
                         Txt::get(Txt::mehrfach_Anmeldung, {link.login().User}) + QStringLiteral("\r\n") +
                         m_session.tenantTexts().hotline + Txt::get(Txt::Soll_beenden);
    if (m_s.dialogs.question(QStringLiteral("Programm beenden"), text) == Dialogs::Answer::Yes)
        m_s.ending.myterminate(QStringLiteral("mehrfach_gefunden "), QString());
    return true;
}
