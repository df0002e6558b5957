#include "store/articlesearch.h"

#include "store/statements.h"

#include <algorithm>

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// One quoted phrase for the trigram index: the text as a substring.
QString ftsPhrase(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The first text after all texts that begin with `text`, in the order of the
// case-blind indexes (code points, ASCII letters folded to upper case); empty
// when there is none.
QString prefixEnd(const QString& text) {
    QList<uint> points = text.toUcs4();
    if (points.isEmpty() || points.last() >= 0x10FFFF)
        return QString();
    uint& last = points.last();
    last = last + 1 == 0xD800 ? 0xE000 : last + 1;
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(points.constData()), points.size());
}

QString idList(const QList<qint64>& ids) {
    QJsonArray list;
    for (qint64 id : ids)
        list.append(id);
    return QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact));
}

// The trigram index finds nothing for shorter texts.
constexpr qsizetype trigram = 3;

QString range(const QString& column) {
    return column + QStringLiteral(" COLLATE NOCASE >= ? AND ") + column +
           QStringLiteral(" COLLATE NOCASE < ?");
}

// Each part tagged, each bounded one past the limit: a full part means a common text.
const QString candidatesSql =
    QStringLiteral("SELECT 0, * FROM (SELECT rowid FROM ARTIKEL_TEXT WHERE ARTIKEL_TEXT MATCH ? LIMIT ?) "
                   "UNION ALL SELECT 1, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE ") +
    range(QStringLiteral("NUMMER")) +
    QStringLiteral(" LIMIT ?) UNION ALL SELECT 2, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE ") +
    range(QStringLiteral("ARTIKELNR_KURZ")) +
    QStringLiteral(" LIMIT ?) UNION ALL SELECT 3, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE ") +
    range(QStringLiteral("TECDOCNR")) + QStringLiteral(" LIMIT ?)");

// The walk in number order along an index that holds every column it tests.
// upper() folds ASCII letters only, as the case-blind indexes do.
const QString orderedSql = QStringLiteral("SELECT ROW_ID FROM ARTIKEL INDEXED BY ARTIKEL_SUCHE WHERE (") +
                           range(QStringLiteral("NUMMER")) + QStringLiteral(") OR (") +
                           range(QStringLiteral("ARTIKELNR_KURZ")) + QStringLiteral(") OR (") +
                           range(QStringLiteral("TECDOCNR")) +
                           QStringLiteral(") OR instr(upper(SUCHTEXT), ?) > 0 ORDER BY NUMMER LIMIT ?");

} // namespace

QList<qint64> ArticleSearch::hits(const QString& text, int limit) {
    const QString t = text.trimmed().toUpper();
    if (t.isEmpty() || limit <= 0)
        return {};
    const QString end = prefixEnd(t);
    if (end.isEmpty())
        return {};
    if (t.size() >= trigram) {
        QList<qint64> ids;
        if (candidates(t, end, limit, &ids)) {
            m_lastPath = QStringLiteral("indexed");
            return ids;
        }
    }
    m_lastPath = QStringLiteral("ordered");
    return ordered(t, end, limit);
}

bool ArticleSearch::candidates(const QString& text, const QString& end, int limit, QList<qint64>* ids) {
    QSqlQuery& q = Statements::prepared(m_db, candidatesSql);
    q.addBindValue(ftsPhrase(text));
    q.addBindValue(limit + 1);
    for (int part = 0; part < 3; ++part) {
        q.addBindValue(text);
        q.addBindValue(end);
        q.addBindValue(limit + 1);
    }
    if (!q.exec())
        return false;
    int counts[4] = {0, 0, 0, 0};
    while (q.next()) {
        const int part = q.value(0).toInt();
        if (++counts[part] > limit) {
            q.finish();
            return false;
        }
        ids->append(q.value(1).toLongLong());
    }
    return true;
}

QList<qint64> ArticleSearch::ordered(const QString& text, const QString& end, int limit) {
    QSqlQuery& q = Statements::prepared(m_db, orderedSql);
    for (int part = 0; part < 3; ++part) {
        q.addBindValue(text);
        q.addBindValue(end);
    }
    q.addBindValue(text);
    q.addBindValue(limit);
    QList<qint64> ids;
    if (!q.exec())
        return ids;
    while (q.next())
        ids.append(q.value(0).toLongLong());
    return ids;
}

QString ArticleSearch::articleColumns(const char* const* names, qsizetype count) {
    // The article table holds one column per field of TArtikelInfo.
    QStringList columns;
    for (qsizetype k = 0; k < count; ++k) {
        const bool column = std::any_of(std::begin(RecordLayout<TArtikelInfo>::names),
                                        std::end(RecordLayout<TArtikelInfo>::names),
                                        [&](const char* name) { return qstrcmp(name, names[k]) == 0; });
        columns.append(column ? RecordTable::quoted(QLatin1StringView(names[k])) : QStringLiteral("''"));
    }
    return columns.join(QStringLiteral(", "));
}

QSqlQuery& ArticleSearch::rowsQuery(const QString& columns) {
    return Statements::prepared(m_db, QStringLiteral("SELECT ROW_ID, NUMMER, ") + columns +
                                          QStringLiteral(" FROM ARTIKEL WHERE ROW_ID IN (SELECT value FROM "
                                                         "json_each(?))"));
}

bool ArticleSearch::readRows(QSqlQuery& q, const QList<qint64>& ids) {
    q.addBindValue(idList(ids));
    return q.exec();
}

QList<qint64> ArticleSearch::inNumberOrder(QList<std::pair<QByteArray, qint64>>& rows, int limit) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<qint64> ids;
    for (qsizetype i = 0; i < rows.size() && i < limit; ++i)
        ids.append(rows.at(i).second);
    return ids;
}
