#include "store/articlesearch.h"

#include "store/recordtable.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString likeEscaped(const QString& text) {
    QString escaped = text;
    return escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('%'), QStringLiteral("\\%"))
        .replace(QLatin1Char('_'), QStringLiteral("\\_"));
}

// One quoted phrase for the trigram index: the text as a substring.
QString ftsPhrase(const QString& text) {
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// The trigram index finds nothing for shorter texts.
constexpr qsizetype trigram = 3;

} // namespace

ArticleSearch::ArticleSearch(QSqlDatabase db)
    : m_db(db)
    , m_candidates(db)
    , m_rows(db)
    , m_ordered(db) {
    for (QSqlQuery* q : {&m_candidates, &m_rows, &m_ordered})
        q->setForwardOnly(true);
    // Each part tagged, each bounded one past the limit: a full part means a common text.
    m_candidates.prepare(QStringLiteral(
        "SELECT 0, * FROM (SELECT rowid FROM ARTIKEL_TEXT WHERE ARTIKEL_TEXT MATCH ? LIMIT ?) "
        "UNION ALL SELECT 1, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE NUMMER LIKE ? ESCAPE '\\' LIMIT ?) "
        "UNION ALL SELECT 2, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE ARTIKELNR_KURZ LIKE ? ESCAPE '\\' "
        "LIMIT ?) "
        "UNION ALL SELECT 3, * FROM (SELECT ROW_ID FROM ARTIKEL WHERE TECDOCNR LIKE ? ESCAPE '\\' LIMIT ?)"));
    m_rows.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TArtikelInfo>() +
                   QStringLiteral(" FROM ARTIKEL WHERE ROW_ID IN (SELECT value FROM json_each(?)) "
                                  "ORDER BY NUMMER LIMIT ?"));
    m_ordered.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TArtikelInfo>() +
                      QStringLiteral(" FROM ARTIKEL WHERE ROW_ID IN (SELECT ROW_ID FROM ARTIKEL INDEXED BY "
                                     "ARTIKEL_SUCHE WHERE NUMMER LIKE ? ESCAPE '\\' OR ARTIKELNR_KURZ LIKE ? "
                                     "ESCAPE '\\' OR TECDOCNR LIKE ? ESCAPE '\\' OR SUCHTEXT LIKE ? ESCAPE "
                                     "'\\' ORDER BY NUMMER LIMIT ?) ORDER BY NUMMER"));
}

TArtikelArray ArticleSearch::find(const QString& text, int limit) {
    const QString t = text.trimmed().toUpper();
    if (t.isEmpty() || limit <= 0)
        return {};
    const QString escaped = likeEscaped(t);
    const QString prefix = escaped + QLatin1Char('%');
    if (t.size() >= trigram) {
        QList<qint64> ids;
        if (candidates(prefix, ftsPhrase(t), limit, &ids)) {
            m_lastPath = QStringLiteral("indexed");
            return ids.isEmpty() ? TArtikelArray{} : rows(ids, limit);
        }
    }
    m_lastPath = QStringLiteral("ordered");
    return ordered(prefix, QLatin1Char('%') + prefix, limit);
}

bool ArticleSearch::candidates(const QString& prefix, const QString& phrase, int limit, QList<qint64>* ids) {
    m_candidates.addBindValue(phrase);
    m_candidates.addBindValue(limit + 1);
    for (int part = 0; part < 3; ++part) {
        m_candidates.addBindValue(prefix);
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

TArtikelArray ArticleSearch::rows(const QList<qint64>& ids, int limit) {
    QJsonArray list;
    for (qint64 id : ids)
        list.append(id);
    m_rows.addBindValue(QString::fromUtf8(QJsonDocument(list).toJson(QJsonDocument::Compact)));
    m_rows.addBindValue(limit);
    if (!m_rows.exec())
        return {};
    TArtikelArray out = RecordTable::readAll<TArtikelInfo>(m_rows);
    m_rows.finish();
    return out;
}

TArtikelArray ArticleSearch::ordered(const QString& prefix, const QString& contains, int limit) {
    for (int part = 0; part < 3; ++part)
        m_ordered.addBindValue(prefix);
    m_ordered.addBindValue(contains);
    m_ordered.addBindValue(limit);
    if (!m_ordered.exec())
        return {};
    TArtikelArray out = RecordTable::readAll<TArtikelInfo>(m_ordered);
    m_ordered.finish();
    return out;
}
