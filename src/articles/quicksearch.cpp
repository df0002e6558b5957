#include "articles/quicksearch.h"

#include "articles/articleentry.h"
#include "articles/netztyp.h"
#include "grid/stringgrid.h"
#include "link/requests/articlerequests.h"
#include "model/uitexts.h"
#include "platform/dialogs.h"
#include "platform/logger.h"
#include "session/session.h"

namespace {

const QString colArtikel = QStringLiteral("Artikelnummer");
const QString colMenge = QStringLiteral("Menge");

} // namespace

QuickSearch::QuickSearch(ArticleEntry& entry, QObject* parent)
    : QObject(parent)
    , m_entry(entry) {}

void QuickSearch::setFieldText(const QString& text) {
    if (text == m_fieldText)
        return;
    m_fieldText = text;
    Q_EMIT fieldTextChanged(text);
}

int QuickSearch::currentRow() const {
    return std::max(1, m_entry.draft().visibleGrid().currentRow());
}

bool QuickSearch::typeDelayElapsed(const QString& text, bool fieldHasFocus) {
    m_fieldText = text;
    Session& session = m_entry.session();
    if (!m_entry.typeAhead().shouldSearch(text, fieldHasFocus, session.loggedIn()))
        return false;
    m_entry.typeAhead().searched(text);
    const ArticleResolver::Result r = m_entry.ArtikelNummerChange(QStringLiteral("edArtikel"), text);
    if (r.Artikelgefunden.isEmpty() && text.size() > 1) {
        m_entry.logEvent(15, QStringLiteral("Schnellsuche nicht gefunden"), text, QString());
        if (m_countNotFound)
            session.read_inkrement(QStringLiteral("_COUNTER_NOTFOUND_SCHNELLSUCHE"), text);
    }
    return true;
}

QString QuickSearch::fieldEntered() const {
    const StringGrid& grid = m_entry.draft().visibleGrid();
    if (m_entry.hitListVisible() || grid.header(grid.currentColumn()) != colArtikel)
        return QString();
    const QString cell = grid.value(colArtikel, grid.currentRow());
    return cell.isEmpty() ? QString() : cell;
}

bool QuickSearch::setEanMode(bool on, bool onShopTab) {
    if (on && onShopTab && m_entry.session().loggedIn() &&
        m_entry.seams().dialogs.question(Txt::get(Txt::EAN_aktivieren2), Txt::get(Txt::EAN_aktivieren1)) !=
            Dialogs::Answer::Yes)
        on = false;
    m_entry.typeAhead().setEanMode(on);
    setFieldText(QString());
    m_entry.hidePopups();
    if (onShopTab)
        Q_EMIT m_entry.focusRequested(ArticleEntry::Focus::Field);
    return on;
}

void QuickSearch::escape() {
    m_entry.hidePopups();
    Q_EMIT m_entry.focusRequested(ArticleEntry::Focus::Grid);
}

void QuickSearch::fieldEnter(const QString& text, int selectedHit) {
    m_fieldText = text;
    if (m_entry.hitListVisible() && m_entry.hitList().rowCount() > 0) {
        if (selectedHit < 0) {
            Q_EMIT selectHit(0);
            browse(0);
            return;
        }
        setFieldText(m_entry.hitList().cell(selectedHit, QStringLiteral("NUMMER")));
    }
    TArtikelArray found;
    Session& session = m_entry.session();
    const LinkAnswer a =
        MyGetArtikel(session.link(), QStringLiteral("0"), m_fieldText, QString(), QString(), found);
    if (!a.ok() || found.isEmpty()) {
        m_entry.hidePopups();
        return;
    }
    const TArtikelInfo& art = found.first();
    if (ArticleEntry::phoneOnly(art.BUCH_GR)) {
        m_entry.seams().dialogs.message(QString(), m_entry.phoneOnlyText(), Dialogs::Buttons::Ok,
                                        Dialogs::Icon::Warning);
        return;
    }
    setFieldText(art.NUMMER);
    const QString menge = QString::number(std::max(1, art.TE.trimmed().toInt()));
    StringGrid& grid = m_entry.draft().visibleGrid();
    const int row = currentRow();
    grid.setValue(colArtikel, row, art.NUMMER);
    grid.setValue(colMenge, row, QStringLiteral("0"));
    if (!m_entry.set_Artikel(row, art.NUMMER, menge, false).isEmpty())
        return;
    m_entry.seams().log.Log(1, QStringLiteral("Schnellsuche Artikel in Warenkorb ") + m_fieldText, 1);
    const bool ean = m_entry.typeAhead().eanMode();
    TStatistik e;
    e._VKKL_ID = grid.value(QStringLiteral("VKKL_ID"), row);
    e._Nettopreis = grid.value(QStringLiteral("Nettopreis"), row);
    e._AusFiliale = grid.value(QStringLiteral("Filiale"), row);
    e._Liefercode = grid.value(QStringLiteral("VKKL_Lieferungscode"), row);
    e._Lieferadresse = grid.value(QStringLiteral("Lieferadresse"), row);
    e._Bestellmenge = menge;
    e._dummy1 = QStringLiteral("EAN=") + (ean ? QStringLiteral("TRUE ") : QStringLiteral("FALSE "));
    e._dummy2 = QString::asprintf("ROW=%d TOTAL=%d", row, grid.rowCount() - 1);
    m_entry.logEvent(18, QStringLiteral("Artikel in Warenkorb"), art.NUMMER, art.BUCH_GR, e);
    m_entry.services().prices->depositHint(row, art.NUMMER);
    m_entry.hidePopups();
    activateQuantity(row);
}

void QuickSearch::browse(int hit) {
    HitListModel& list = m_entry.hitList();
    if (list.rowCount() == 0)
        return;
    if (hit < 0 || hit >= list.rowCount())
        hit = 0;
    Logger& log = m_entry.seams().log;
    if (!HitListModel::columnNames().contains(QStringLiteral("ARTI_ID"))) {
        log.Log(1, QStringLiteral("KeyUp lvArtikelsuche: ARTI_ID Spalte ist unbekannt"), 1);
        return;
    }
    ServerLink& link = m_entry.session().link();
    TArtikelArray found;
    const LinkAnswer a = MyGetArtikel(link, QStringLiteral("4"), QString(), QString(),
                                      list.cell(hit, QStringLiteral("ARTI_ID")), found);
    if (!a.ok() || found.isEmpty()) {
        log.Log(1, QStringLiteral("KeyUp lvArtikelsuche: ") + a.errorText, 1);
        return;
    }
    const TArtikelInfo art = found.first();
    QString netPrice;
    QString rawPrice;
    if (art.BUCH_GR != u"0") {
        TPreisInfo price;
        const LinkAnswer p = MyGetPreis(link, link.login().KdNr, art.NUMMER, price);
        if (!p.ok()) {
            log.Log(1, QStringLiteral("KeyUp lvArtikelsuche: Preisinfo gescheitert: ") + p.errorText, 1);
        } else {
            rawPrice = price.Nettopreis;
            netPrice = m_entry.services().prices->formatPrice(price.Nettopreis) + QStringLiteral(" €");
        }
    }
    m_supplier = m_entry.suppliers().name(art.EINSPEISERCODE);
    m_entry.setInfo(
        ArticleInfoPanel::rows(art, m_supplier, netPrice, m_entry.option(QStringLiteral("SHOWPREIS"))));

    const StockService::Stock stock = m_entry.services().stock->showStock(art);
    TStatistik shown;
    shown._Nettopreis = rawPrice;
    shown._BestandGes = stock.total;
    shown._BestandKdFil = stock.customerBranch;
    m_entry.logEvent(14, QStringLiteral("Schnellsuche gefunden"), art.NUMMER, art.BUCH_GR, shown);
    if (!stock.error.isEmpty()) {
        log.Log(1, QStringLiteral("Fehler ArtikelBestand: ") + stock.error, 1);
        m_entry.inform(QStringLiteral("Fehler ArtikelBestand: ") + stock.error);
        return;
    }
    AlternativeSearch& alt = m_entry.alternatives();
    const int accepted =
        alt.suche_alternativ(art.NUMMER, Netztyp::alternatives, QPoint(), false,
                             AlternativeSearch::Target::Field, false, m_entry.alternativeOptions());
    Q_EMIT m_entry.alternativesChanged();
    if (accepted == 1) {
        setFieldText(alt.successor());
        list.setCaption(hit, alt.successor());
        Q_EMIT enterLater();
    }
}

void QuickSearch::takeHit(int hit) {
    const QString number = m_entry.hitList().cell(std::max(0, hit), QStringLiteral("NUMMER"));
    if (!number.isEmpty())
        take(number, false);
}

void QuickSearch::chooseAlternative(int gridRow) {
    const QString number = AlternativeSearch::numberOf(m_entry.alternatives().grid().cell(0, gridRow));
    if (gridRow < 1 || number.isEmpty())
        return;
    TArtikelLongInfo one;
    one.NUMMER = number;
    m_entry.hitList().setHits({one}, m_entry.suppliers());
    m_entry.setHitListOwner(QStringLiteral("sgVKKL"));
    take(number, true);
}

void QuickSearch::take(const QString& number, bool alternative) {
    StringGrid& grid = m_entry.draft().visibleGrid();
    const ClientServices& services = m_entry.services();
    Dialogs& dialogs = m_entry.seams().dialogs;
    const int row = currentRow();
    const QString supplier = m_entry.infoVisible() ? m_supplier : QString();
    const QString origTE = grid.value(QStringLiteral("FIXE_TE"), row);
    const QString rowMenge = grid.value(colMenge, row).trimmed();
    setFieldText(number);
    const QString keep = QStringLiteral("1");

    if (number != grid.value(colArtikel, row) && !rowMenge.isEmpty() && rowMenge != u"0")
        services.delivery->resetQuantity(row);

    TArtikelArray found;
    const LinkAnswer a =
        MyGetArtikel(m_entry.session().link(), QStringLiteral("0"), number, QString(), QString(), found);
    QString menge = rowMenge;
    if (a.ok() && !found.isEmpty()) {
        const TArtikelInfo& art = found.first();
        QString refusal;
        if (ArticleEntry::blocked(art.GESPERRT) || art.BUCH_GR == u"0" || number.startsWith(u"DLP"))
            refusal = ArticleEntry::refusedText(number);
        else if (ArticleEntry::phoneOnly(art.BUCH_GR))
            refusal = m_entry.phoneOnlyText();
        if (!refusal.isEmpty()) {
            const bool alternatives = m_entry.alternatives().visible();
            dialogs.message(QString(), refusal + m_entry.alternativesEnding(alternatives),
                            Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
            if (alternatives) {
                m_entry.alternatives().setExpanded(true);
                Q_EMIT m_entry.alternativesChanged();
                Q_EMIT m_entry.focusRequested(ArticleEntry::Focus::Alternatives);
            }
            return;
        }
        if (alternative)
            services.delivery->applyAddressBranch(row);
        menge = origTE != art.TE ? art.TE : keep;
        menge = services.delivery->roundToTE(menge, art.TE);
    }

    grid.setValue(colArtikel, row, number);
    m_entry.seams().log.Log(1,
                            QStringLiteral("set_Artikel Schnellsuche:") + number +
                                QStringLiteral(" fixeTE=") + menge + QStringLiteral(" OrigTE=") + origTE +
                                QStringLiteral(" savemenge=") + keep,
                            1);
    if (m_entry.set_Artikel(row, number, menge, false).isEmpty()) {
        const QString buchGr = grid.value(QStringLiteral("BUCH_GR"), row);
        if (alternative)
            m_entry.logEvent(20, QStringLiteral("Alternativ:") + supplier, number, buchGr);
        else
            m_entry.logEvent(18, QStringLiteral("Artikel in Warenkorb"), number, buchGr);
        services.prices->depositHint(row, number);
    }
    const int staffel = grid.column(QStringLiteral("Staffelpreis"));
    if (staffel >= 0 && !grid.isColumnHidden(staffel)) {
        const QString first = services.prices->graduatedPrices(number).left(1);
        if (!first.isEmpty())
            grid.setValue(QStringLiteral("Staffelpreis"), row, first);
    }
    Q_EMIT m_entry.focusRequested(ArticleEntry::Focus::Grid);
    m_entry.hidePopups();
    activateQuantity(row);
}

void QuickSearch::activateQuantity(int row) {
    const bool reference = m_entry.services().booking->wantsReference(row);
    Q_EMIT activateCell(reference ? QStringLiteral("Bestell-Info") : colMenge, row);
}

void QuickSearch::alternativesForRow(int row, QPoint position) {
    const StringGrid& grid = m_entry.draft().visibleGrid();
    const QString number = grid.value(colArtikel, row).trimmed();
    if (row < 1 || number.isEmpty())
        return;
    AlternativeSearch& alt = m_entry.alternatives();
    alt.suche_alternativ(number, Netztyp::alternatives, position, false, AlternativeSearch::Target::None,
                         true, m_entry.alternativeOptions());
    Q_EMIT m_entry.alternativesChanged();
    if (alt.visible()) {
        Q_EMIT m_entry.focusRequested(ArticleEntry::Focus::Alternatives);
        return;
    }
    QString text = Txt::get(Txt::keineAlternativ);
    if (m_entry.option(QStringLiteral("ALTERNATIVARTIKEL_MIT_BESTAND")) == u"0")
        text += Txt::get(Txt::mitBestand);
    m_entry.seams().dialogs.message(QString(), text + QStringLiteral("gefunden für ") + number);
    Q_EMIT m_entry.focusRequested(ArticleEntry::Focus::Grid);
}
