#include "demonetwork.h"

#include "model/formatde.h"
#include "model/records.h"
#include "store/recordtable.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>

namespace {

constexpr quint32 seed = 1889;

// Net types 1 "Abgelöst", 2 "Ersetzt", 3 "Austauschbar", 5 "Vgl.-Nummer", 7 "Ähnlich".
constexpr int alternativeTypes[] = {1, 2, 3, 5, 7};
constexpr int coSaleType = 4;

// In percent: articles with alternatives, and co-sale among those whose part has a partner.
constexpr int alternativeShare = 45;
constexpr int coSaleShare = 35;

QString note(int typ) {
    switch (typ) {
    case 1:
        return QStringLiteral("Nachfolgeartikel");
    case 2:
        return QStringLiteral("Ersatzartikel");
    case 3:
        return QStringLiteral("Austauschbar");
    case coSaleType:
        return QStringLiteral("Passend dazu");
    case 5:
        return QStringLiteral("Vergleichsnummer");
    default:
        return QStringLiteral("Ähnlicher Artikel");
    }
}

// Parts that are sold together: the part, the part that goes with it.
const char* const partners[][2] = {
    {"Bremsscheibe vorne", "Bremsbelagsatz vorne"},
    {"Bremsscheibe hinten", "Bremsbelagsatz hinten"},
    {"Bremsbelagsatz vorne", "Bremsscheibe vorne"},
    {"Zahnriemensatz", "Wasserpumpe"},
    {"Wasserpumpe", "Thermostat"},
    {"Ölfilter", "Luftfilter"},
    {"Luftfilter", "Innenraumfilter"},
    {"Stoßdämpfer vorne", "Querlenker"},
    {"Querlenker", "Spurstangenkopf"},
    {"Lichtmaschine", "Keilrippenriemen"},
    {"Kupplungssatz", "Radlagersatz"},
};

QString partnerOf(const QString& part) {
    for (const auto& p : partners) {
        if (part == QString::fromUtf8(p[0]))
            return QString::fromUtf8(p[1]);
    }
    return QString();
}

} // namespace

DemoNetwork::DemoNetwork(QSqlDatabase db, const QStringList& articleNumbers)
    : m_db(db)
    , m_articleNumbers(articleNumbers)
    , m_random(seed)
    , m_today(FormatDE::formatDate(QDate::currentDate())) {}

bool DemoNetwork::exec(QSqlQuery& q) {
    if (q.exec())
        return true;
    m_error = q.lastError().text() + QStringLiteral(" in ") + q.lastQuery().left(60);
    return false;
}

bool DemoNetwork::generate() {
    QSqlQuery read(m_db);
    read.prepare(QStringLiteral("SELECT a.NUMMER, a.BEZEICHNUNG, a.GESPERRT, coalesce(sum(b.VERFUEGBAR), 0) "
                                "FROM ARTIKEL a LEFT JOIN BESTAND b ON b.ARTIKELNR = a.NUMMER GROUP BY "
                                "a.NUMMER"));
    if (!exec(read))
        return false;
    // Orderable articles with stock, per part, in the order they were made.
    QHash<QString, QStringList> stocked;
    QHash<QString, bool> blocked;
    while (read.next()) {
        const QString nummer = read.value(0).toString();
        m_articles.insert(nummer, {read.value(1).toString(), read.value(3).toInt()});
        blocked.insert(nummer, read.value(2).toString() != u"0");
    }
    for (const QString& nummer : m_articleNumbers) {
        const Article a = m_articles.value(nummer);
        if (a.stock > 0 && !blocked.value(nummer))
            stocked[a.part].append(nummer);
    }

    QSqlQuery q(m_db);
    q.prepare(RecordTable::insertSql<TArtikelnetz>(QStringLiteral("ARTIKELNETZ"), {}));
    // Up to `count` different articles of the pool, none of them the article itself.
    const auto pick = [this](const QStringList& pool, const QString& self, int count) {
        QStringList out;
        for (int attempt = 0; attempt < 3 * count && out.size() < count && !pool.isEmpty(); ++attempt) {
            const QString& other = pool.at(m_random.bounded(int(pool.size())));
            if (other != self && !out.contains(other))
                out.append(other);
        }
        return out;
    };
    for (const QString& nummer : m_articleNumbers) {
        const QString part = m_articles.value(nummer).part;
        if (m_random.bounded(100) < alternativeShare) {
            for (const QString& other : pick(stocked.value(part), nummer, 1 + m_random.bounded(3))) {
                const int typ = alternativeTypes[m_random.bounded(int(std::size(alternativeTypes)))];
                if (!add(q, nummer, other, typ))
                    return false;
            }
        }
        const QString partner = partnerOf(part);
        if (!partner.isEmpty() && m_random.bounded(100) < coSaleShare) {
            for (const QString& other : pick(stocked.value(partner), nummer, 1 + m_random.bounded(2))) {
                if (!add(q, nummer, other, coSaleType))
                    return false;
            }
        }
    }
    return true;
}

bool DemoNetwork::add(QSqlQuery& q, const QString& artikelnr, const QString& related, int typ) {
    // Filed under the article it belongs to; the related article in NETZARTIKELNR.
    TArtikelnetz n;
    n.ARTIKELNR = artikelnr;
    n.NETZARTIKELNR = related;
    n.TYP = QString::number(typ);
    n.HINWEIS_BEZEICHNUNG = note(typ);
    n.DATUM = m_today;
    n.MENGE = QStringLiteral("1");
    n.QUELLE = QStringLiteral("TECDOC");
    n.BESTAND = QString::number(m_articles.value(related).stock);
    n.MAND_ID = QStringLiteral("6");
    n.ARTN_ID = QString::number(m_nextKey++);
    RecordTable::bindFields(q, n);
    return exec(q);
}
