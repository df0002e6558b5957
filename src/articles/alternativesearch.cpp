#include "articles/alternativesearch.h"

#include "articles/netztyp.h"
#include "link/requests/articlerequests.h"
#include "model/uitexts.h"
#include "platform/dialogs.h"
#include "platform/logger.h"

#include <algorithm>

namespace {

// Lines per net article in the info list.
constexpr int netLines = 9;

ArtikelInfoListeParams infoParams(const QString& kdnr, const QString& filter) {
    ArtikelInfoListeParams p;
    p.kdnr = kdnr;
    p.flags = {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0")};
    p.bestandFilter = filter;
    return p;
}

// What the customer's branch has available; empty when it is not listed.
QString customerStock(const TBestandsInfo& stock, const QString& branch) {
    if (!stock.KundeIndex.isEmpty())
        return stock.FilialBestand.value(stock.KundeIndex.toInt()).Verfuegbar;
    for (const TBestandsInfoFiliale& f : stock.FilialBestand) {
        if (f.Kunde == u"1" || (!branch.isEmpty() && f.Code == branch))
            return f.Verfuegbar;
    }
    return QString();
}

} // namespace

AlternativeSearch::AlternativeSearch(ServerLink& link, Dialogs& dialogs, Logger& log)
    : m_link(link)
    , m_dialogs(dialogs)
    , m_log(log) {
    m_grid.setColumnCount(1);
    m_grid.setColumnWidth(0, 500);
}

QString AlternativeSearch::numberOf(const QString& rowText) {
    return rowText.section(QLatin1Char('|'), 0, 0).trimmed();
}

void AlternativeSearch::fail(const QString& logText, const QString& shown) {
    m_log.Log(1, logText, 1);
    if (!shown.isEmpty())
        m_dialogs.message(QString(), shown, Dialogs::Buttons::Ok, Dialogs::Icon::Warning);
}

bool AlternativeSearch::successorCheck(const QString& ArtikelNr, Target target, const Options& options) {
    TArtikelnetzArray net;
    if (!MySucheNetzArtikelKurz2(m_link, ArtikelNr, QStringLiteral("1"), net).ok() || net.isEmpty())
        return false;
    TBestandsInfo stock;
    if (!MyGetArtikelBestand2(m_link, options.customerBranch, options.bestandFilter, ArtikelNr, stock).ok())
        return false;
    if (customerStock(stock, options.customerBranch) != u"0")
        return false;
    // The successor stands in ARTIKELNR; an entry that names the article
    // itself there points the other way round.
    QString successor = net.first().ARTIKELNR.trimmed();
    if (successor.compare(ArtikelNr.trimmed(), Qt::CaseInsensitive) == 0)
        successor = net.first().NETZARTIKELNR.trimmed();
    if (successor.isEmpty())
        return false;
    QString text = Txt::get(Txt::abgeloest_durch, {ArtikelNr, successor});
    const QString title = QStringLiteral("Abgelöster Artikel");
    if (target == Target::None) {
        m_dialogs.message(title, text);
        return false;
    }
    text += Txt::get(Txt::abgeloest_verwenden);
    if (m_dialogs.question(title, text) != Dialogs::Answer::Yes)
        return false;
    m_successor = successor;
    return true;
}

int AlternativeSearch::suche_alternativ(const QString& ArtikelNr, const QSet<int>& typset, QPoint position,
                                        bool BestandEgal, Target target, bool fullHeight,
                                        const Options& options) {
    m_successor.clear();
    m_visible = false;
    m_expanded = fullHeight;
    m_position = position;
    m_grid.setRowCount(1);
    m_grid.setCell(0, 0, Txt::get(Txt::tecAlternativ, {ArtikelNr}));

    if (typset != Netztyp::mitverkauf && target != Target::Grid && successorCheck(ArtikelNr, target, options))
        return 1;

    const QString kdnr = m_link.login().KdNr;
    TArtikelInfoListe liste;
    LinkAnswer a = MyGetArtikelInfoListe(m_link, infoParams(kdnr, options.bestandFilter), {ArtikelNr}, liste);
    if (!a.ok()) {
        fail(ArtikelNr + QLatin1Char(':') + a.errorText,
             QStringLiteral("Fehler Suche_Alternativ ") + ArtikelNr + QStringLiteral("\r\n") + a.errorText);
        return 0;
    }
    QHash<QString, int> typeOf;
    QStringList wanted;
    for (qsizetype i = 0; i + 2 < liste.Netzartikel.size(); i += netLines) {
        const QString number = liste.Netzartikel.at(i).trimmed();
        const int typ = Netztyp::fromText(liste.Netzartikel.at(i + 2));
        if (number.isEmpty() || !typset.contains(typ) || wanted.contains(number))
            continue;
        wanted.append(number);
        typeOf.insert(number, typ);
    }
    if (wanted.isEmpty())
        return 0;

    QStringList check{QString::number(wanted.size())};
    for (const QString& number : wanted)
        check << QString() << number << QString() << QString() << QString() << QStringLiteral("J");
    a = MySetzeWebShopArtikel(m_link, check);
    if (!a.ok()) {
        fail(QStringLiteral("Fehler SetzeWebShopArtikel ") + ArtikelNr + QStringLiteral("\r\n") +
                 a.errorText + QStringLiteral(" Suchlist:") + QStringLiteral("\r\n") +
                 check.join(QStringLiteral("\r\n")),
             QString());
        status(a.errorText);
        return 0;
    }
    const int announced = a.lines.value(0).trimmed().toInt();
    const QStringList known = a.lines.mid(1, announced);
    if (known.isEmpty())
        return 0;
    TArtikelInfoListe found;
    a = MyGetArtikelInfoListe(m_link, infoParams(kdnr, options.bestandFilter), known, found);
    if (!a.ok()) {
        fail(QStringLiteral("Fehler Suche_Alternativ2 ") + ArtikelNr + QStringLiteral("\r\n") + a.errorText +
                 QStringLiteral(" Suchlist:") + QStringLiteral("\r\n") + known.join(QStringLiteral("\r\n")),
             QString());
        return 0;
    }
    if (found.ArtikelInfo.size() != announced)
        return 0;

    const QStringList rows = ordered(buildRows(found, typeOf, BestandEgal, options));
    m_grid.setRowCount(1 + int(rows.size()));
    for (int r = 0; r < rows.size(); ++r)
        m_grid.setCell(0, r + 1, rows.at(r));
    m_visible = !rows.isEmpty() && !m_importRunning;
    return 0;
}

QList<AlternativeSearch::Row> AlternativeSearch::buildRows(const TArtikelInfoListe& liste,
                                                           const QHash<QString, int>& typeOf,
                                                           bool BestandEgal, const Options& options) {
    QList<Row> out;
    for (const TArtikelInfoExtended& x : liste.ArtikelInfo) {
        int total = 0;
        for (const TArtikelBestand& b : liste.Artikelbestand) {
            if (b.ARTIKELNR == x.NUMMER)
                total += std::max(0, b.Verfuegbar.trimmed().toInt());
        }
        QString netto;
        for (const TArtikelPreis& p : liste.ArtikelPreise) {
            if (p.ARTIKELNR == x.NUMMER) {
                netto = p.NETTOPREIS;
                break;
            }
        }
        const bool hasStock = total > 0;
        const bool detail = hasStock || options.mitBestand != u"0";
        QString text = x.NUMMER;
        if (detail) {
            text += options.showPreis == u"ON" ? QStringLiteral(" | Netto=") + options.formatPrice(netto)
                                               : QStringLiteral(" | VK=") + x.VK_PREIS;
            text += QStringLiteral(" | Menge=") + QString::number(total) + QLatin1Char(' ');
        } else {
            text += QStringLiteral(" | Menge=0 | ? ");
        }
        text += Netztyp::name(typeOf.value(x.NUMMER.trimmed(), typeOf.value(x.NUMMER)));
        const bool listed = x.BUCH_GR != u"0" && x.GESPERRT != u"1" &&
                            (BestandEgal || options.mitBestand != u"0" || hasStock);
        if (listed)
            out.append({text, QString::asprintf("%.6d", total) + text});
    }
    return out;
}

QStringList AlternativeSearch::ordered(const QList<Row>& rows) {
    QStringList keys;
    for (const Row& r : rows)
        keys.append(r.sortKey);
    std::sort(keys.begin(), keys.end());
    QStringList out;
    // Filled from the bottom row upwards: the highest key ends on top.
    for (auto it = keys.crbegin(); it != keys.crend(); ++it)
        out.append(it->mid(6));
    return out;
}
