#include "store/articlesearch.h"

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

const QString prefixRange = QStringLiteral(" COLLATE NOCASE >= ? AND %1 COLLATE NOCASE < ?");

} // namespace

ArticleSearch::ArticleSearch(QSqlDatabase db)
    : m_db(db)
    , m_candidates(db)
    , m_ordered(db) {
    QSqlQuery info(db);
    if (info.exec(QStringLiteral("PRAGMA table_info(ARTIKEL)"))) {
        while (info.next())
            m_columns.insert(info.value(1).toString());
    }
    m_candidates.setForwardOnly(true);
    m_ordered.setForwardOnly(true);
    // Each part tagged, each bounded one past the limit: a full part means a common text.
    const auto range = [](const QString& column) -> QString { return column + prefixRange.arg(column); };
    m_candidates.prepare(
        QStringLiteral("SELECT 0, * FROM (SELECT rowid FROM ARTIKEL_TEXT WHERE ARTIKEL_TEXT MATCH ? LIMIT ?) "
                       "UNION ALL SELECT 1, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE ") +
        range(QStringLiteral("NUMMER")) +
        QStringLiteral(" LIMIT ?) UNION ALL SELECT 2, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE ") +
        range(QStringLiteral("ARTIKELNR_KURZ")) +
        QStringLiteral(" LIMIT ?) UNION ALL SELECT 3, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE ") +
        range(QStringLiteral("TECDOCNR")) + QStringLiteral(" LIMIT ?)"));
    // The walk in number order along an index that holds every column it tests.
    // upper() folds ASCII letters only, as the case-blind indexes do.
    m_ordered.prepare(QStringLiteral("SELECT ROW_ID FROM ARTIKEL INDEXED BY ARTIKEL_SUCHE WHERE (") +
                      range(QStringLiteral("NUMMER")) + QStringLiteral(") OR (") +
                      range(QStringLiteral("ARTIKELNR_KURZ")) + QStringLiteral(") OR (") +
                      range(QStringLiteral("TECDOCNR")) +
                      QStringLiteral(") OR instr(upper(SUCHTEXT), ?) > 0 ORDER BY NUMMER LIMIT ?"));
}

QList<qint64> ArticleSearch::hits(const QString& text, int limit) {
    const QString t = text.trimmed().toUpper();
    if (t.isEmpty() || limit <= 0)
        return {};
    if (prefixEnd(t).isEmpty())
        return {};
    if (t.size() >= trigram) {
        QList<qint64> ids;
        if (candidates(t, limit, &ids)) {
            m_lastPath = QStringLiteral("indexed");
            return ids;
        }
    }
    m_lastPath = QStringLiteral("ordered");
    return ordered(t, limit);
}

bool ArticleSearch::candidates(const QString& text, int limit, QList<qint64>* ids) {
    const QString end = prefixEnd(text);
    m_candidates.addBindValue(ftsPhrase(text));
    m_candidates.addBindValue(limit + 1);
    for (int part = 0; part < 3; ++part) {
        m_candidates.addBindValue(text);
        m_candidates.addBindValue(end);
        m_candidates.addBindValue(limit + 1);
    }
    if (!m_candidates.exec())
        return false;
    int counts[4] = {0, 0, 0, 0};
    while (m_candidates.next()) {
        const int part = m_candidates.value(0).toInt();
        if (++counts[part] > limit) {
            m_candidates.finish();
            return false;
        }
        ids->append(m_candidates.value(1).toLongLong());
    }
    return true;
}

QList<qint64> ArticleSearch::ordered(const QString& text, int limit) {
    const QString end = prefixEnd(text);
    for (int part = 0; part < 3; ++part) {
        m_ordered.addBindValue(text);
        m_ordered.addBindValue(end);
    }
    m_ordered.addBindValue(text);
    m_ordered.addBindValue(limit);
    QList<qint64> ids;
    if (!m_ordered.exec())
        return ids;
    while (m_ordered.next())
        ids.append(m_ordered.value(0).toLongLong());
    return ids;
}

QSqlQuery& ArticleSearch::rowsQuery(const char* const* names, qsizetype count) {
    std::shared_ptr<QSqlQuery>& q = m_rows[names];
    if (!q) {
        // A field the table lacks is read as an empty text.
        QStringList columns;
        for (qsizetype k = 0; k < count; ++k) {
            const QString name = QString::fromLatin1(names[k]);
            columns.append(m_columns.contains(name) ? RecordTable::quoted(QLatin1StringView(names[k]))
                                                    : QStringLiteral("''"));
        }
        q = std::make_shared<QSqlQuery>(m_db);
        q->setForwardOnly(true);
        q->prepare(QStringLiteral("SELECT ROW_ID, NUMMER, ") + columns.join(QStringLiteral(", ")) +
                   QStringLiteral(" FROM ARTIKEL WHERE ROW_ID IN (SELECT value FROM json_each(?))"));
    }
    return *q;
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
