#include "store/articlestore.h"

#include "store/recordtable.h"
#include "store/statements.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlQuery>

#include <utility>

std::optional<TArtikelInfo> ArticleStore::one(const QString& where, const QStringList& values) const {
    QSqlQuery& q = Statements::prepared(
        m_db, QStringLiteral("SELECT ") + RecordTable::columns<TArtikelInfo>() +
                  QStringLiteral(" FROM ARTIKEL WHERE ") + where + QStringLiteral(" LIMIT 1"));
    for (const QString& v : values)
        q.addBindValue(v);
    std::optional<TArtikelInfo> found;
    if (q.exec() && q.next())
        found = RecordTable::read<TArtikelInfo>(q);
    q.finish();
    return found;
}

std::optional<TArtikelInfo> ArticleStore::byNumber(const QString& nummer) const {
    if (nummer.trimmed().isEmpty())
        return std::nullopt;
    if (auto a = one(QStringLiteral("NUMMER = ?"), {nummer.trimmed().toUpper()}))
        return a;
    return one(QStringLiteral("ARTIKELNR_KURZ = ?"), {nummer.trimmed().toUpper()});
}

std::optional<TArtikelInfo> ArticleStore::byNumberAndSupplier(const QString& nummer,
                                                              const QString& einspeiser) const {
    return one(QStringLiteral("(NUMMER = ? OR TECDOCNR = ?) AND EINSPEISERCODE = ?"),
               {nummer.trimmed().toUpper(), nummer.trimmed().toUpper(), einspeiser.trimmed()});
}

std::optional<TArtikelInfo> ArticleStore::byId(const QString& artiId) const {
    if (artiId.trimmed().isEmpty())
        return std::nullopt;
    return one(QStringLiteral("ARTI_ID = ?"), {artiId.trimmed()});
}

std::optional<TArtikelInfo> ArticleStore::byEan(const QString& ean) const {
    if (ean.trimmed().isEmpty())
        return std::nullopt;
    if (auto a = one(QStringLiteral("EAN = ?"), {ean.trimmed()}))
        return a;
    return one(QStringLiteral("NUMMER = (SELECT ARTIKELNR FROM ARTIKEL_EAN WHERE EAN = ?)"), {ean.trimmed()});
}

TArtikelnetzArray ArticleStore::networkWhere(const QString& column, const QString& artikelnr) const {
    // The table files each entry under the article it belongs to (ARTIKELNR)
    // with the related article in NETZARTIKELNR; the answer record names the
    // related article in ARTIKELNR, which is where the client looks for a successor.
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TArtikelnetz>() +
              QStringLiteral(" FROM ARTIKELNETZ WHERE ") + column +
              QStringLiteral(" = ? ORDER BY NETZARTIKELNR, ARTIKELNR"));
    q.addBindValue(artikelnr.trimmed().toUpper());
    if (!q.exec())
        return {};
    TArtikelnetzArray out = RecordTable::readAll<TArtikelnetz>(q);
    for (TArtikelnetz& n : out)
        std::swap(n.ARTIKELNR, n.NETZARTIKELNR);
    return out;
}

TArtikelnetzArray ArticleStore::network(const QString& artikelnr) const {
    return networkWhere(QStringLiteral("ARTIKELNR"), artikelnr);
}

TArtikelnetzArray ArticleStore::networkNaming(const QString& artikelnr) const {
    return networkWhere(QStringLiteral("NETZARTIKELNR"), artikelnr);
}

QStringList ArticleStore::suppliers() const {
    QSqlQuery q(m_db);
    QStringList out;
    if (!q.exec(QStringLiteral("SELECT CODE, NAME FROM EINSPEISER ORDER BY CODE")))
        return out;
    // The short names that catalogue baskets and order files carry: the first
    // word of the name, then ever shorter cuts of it.
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    while (q.next()) {
        const QString name = q.value(1).toString();
        const QString kurz = name.section(separators, 0, 0, QString::SectionSkipEmpty).toUpper().left(10);
        out.append(QStringList{q.value(0).toString(), name, kurz, kurz.left(5), kurz.left(3)}.join(
            QLatin1Char(';')));
    }
    return out;
}

QString ArticleStore::branchKind(const TFilialeKurz2& branch) {
    const QString art = branch.ART.trimmed();
    if (art == u"V")
        return QStringLiteral("2");
    if (art == u"N")
        return QStringLiteral("3");
    if (art == u"K")
        return QStringLiteral("4");
    if (art == u"E")
        return QStringLiteral("5");
    return QStringLiteral("1");
}

QList<ArticleStore::Stock> ArticleStore::stock(const QString& artikelnr) const {
    QSqlQuery& q = Statements::prepared(
        m_db,
        QStringLiteral("SELECT ") + RecordTable::columns<TFilialeKurz2>(QStringLiteral("f.")) +
            QStringLiteral(", f.TOUR, f.EXTERN, f.VIRTUELL, coalesce(b.VERFUEGBAR, 0), "
                           "coalesce(b.RESERVIERT, 0), coalesce(b.RUECKSTAND, 0), coalesce(b.BESTELLT, 0), "
                           "coalesce(b.EINGANG, 0), f.RUECKSTAND_ERLAUBT, f.BE_PARAM FROM FILIALE f LEFT "
                           "JOIN BESTAND b ON b.FILIALE = f.CODE "
                           "AND b.ARTIKELNR = ? ORDER BY f.POS"));
    q.addBindValue(artikelnr.trimmed().toUpper());
    QList<Stock> out;
    if (!q.exec())
        return out;
    const int n = int(RecordCodec::fieldCount<TFilialeKurz2>());
    while (q.next()) {
        Stock s;
        s.branch = RecordTable::read<TFilialeKurz2>(q);
        s.tour = q.value(n).toString();
        s.external = q.value(n + 1).toString() == u"1";
        s.virtualBranch = q.value(n + 2).toString() == u"1";
        s.verfuegbar = q.value(n + 3).toInt();
        s.reserviert = q.value(n + 4).toInt();
        s.rueckstand = q.value(n + 5).toInt();
        s.bestellt = q.value(n + 6).toInt();
        s.eingang = q.value(n + 7).toInt();
        s.rueckstandErlaubt = q.value(n + 8).toString();
        s.beParam = q.value(n + 9).toString();
        out.append(s);
    }
    q.finish();
    return out;
}

int ArticleStore::available(const QString& artikelnr, const QString& filiale) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT VERFUEGBAR FROM BESTAND WHERE ARTIKELNR = ? AND FILIALE = ?"));
    q.addBindValue(artikelnr);
    q.addBindValue(filiale);
    return q.exec() && q.next() ? q.value(0).toInt() : 0;
}

QHash<QString, int> ArticleStore::availableTotals(const QStringList& artikelnummern) const {
    QHash<QString, int> out;
    if (artikelnummern.isEmpty())
        return out;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT b.ARTIKELNR, sum(max(0, b.VERFUEGBAR)) FROM BESTAND b JOIN FILIALE f ON "
                             "f.CODE = b.FILIALE WHERE b.ARTIKELNR IN (SELECT value FROM json_each(?)) "
                             "GROUP BY b.ARTIKELNR"));
    q.addBindValue(QString::fromUtf8(
        QJsonDocument(QJsonArray::fromStringList(artikelnummern)).toJson(QJsonDocument::Compact)));
    if (!q.exec())
        return out;
    while (q.next())
        out.insert(q.value(0).toString(), q.value(1).toInt());
    return out;
}

bool ArticleStore::reserve(const QString& artikelnr, const QString& filiale, int quantity) {
    if (quantity == 0)
        return true;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE BESTAND SET VERFUEGBAR = VERFUEGBAR - ?, RESERVIERT = max(0, RESERVIERT "
                             "+ ?) WHERE ARTIKELNR = ? AND FILIALE = ?"));
    q.addBindValue(quantity);
    q.addBindValue(quantity);
    q.addBindValue(artikelnr);
    q.addBindValue(filiale);
    return q.exec();
}

bool ArticleStore::consume(const QString& artikelnr, const QString& filiale, int quantity) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "UPDATE BESTAND SET RESERVIERT = max(0, RESERVIERT - ?) WHERE ARTIKELNR = ? AND FILIALE = ?"));
    q.addBindValue(quantity);
    q.addBindValue(artikelnr);
    q.addBindValue(filiale);
    return q.exec();
}

double ArticleStore::discount(const QString& artikelnr, const QString& preisgruppe) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT RABATT_P FROM NETTOPREIS WHERE ARTIKELNR = ? AND PREISGRUPPENNR = ?"));
    q.addBindValue(artikelnr);
    q.addBindValue(preisgruppe);
    return q.exec() && q.next() ? q.value(0).toDouble() : 0.0;
}

QList<QPair<int, double>> ArticleStore::graduated(const QString& artikelnr) const {
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("SELECT AB_MENGE, RABATT_P FROM STAFFELPREIS WHERE ARTIKELNR = ? ORDER BY AB_MENGE"));
    q.addBindValue(artikelnr);
    QList<QPair<int, double>> out;
    if (q.exec()) {
        while (q.next())
            out.append({q.value(0).toInt(), q.value(1).toDouble()});
    }
    return out;
}

QStringList ArticleStore::remarks(const QString& artikelnr, const QString& kdnr,
                                  const QString& parameter) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT TEXT FROM KARTEIBEMERKUNG WHERE ARTIKELNR = ? AND KDNR IN ('', ?) "
                             "AND (? = '' OR PARAMETER = ?) ORDER BY KDNR <> '', PARAMETER, LFD_NR"));
    q.addBindValue(RecordTable::text(artikelnr));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(RecordTable::text(parameter));
    q.addBindValue(RecordTable::text(parameter));
    QStringList out;
    if (q.exec()) {
        while (q.next())
            out.append(q.value(0).toString());
    }
    return out;
}
