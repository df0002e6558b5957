#pragma once

#include "model/records.h"
#include "store/recordtable.h"

#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <memory>

// The article search: the first hits in number order whose number, short
// number or catalogue number begins with the text, or whose search text
// contains it (both blind to the case of ASCII letters). Its statements are
// prepared once and serve every text of a request; none of them depends on
// the text, so SQLite never prepares them again.
//
// A text of three characters or more is looked up in the indexes: the
// number columns by range and the search text in its trigram index. When any
// of them holds more hits than asked for, the text is common, and a walk
// along the number index that stops at the last hit is cheaper than sorting
// every hit; a shorter text always takes that walk.
class ArticleSearch {
public:
    explicit ArticleSearch(QSqlDatabase db);

    // The hits as records of type R, in number order: the fields that are no
    // article column stay empty.
    template <class R> QList<R> find(const QString& text, int limit) {
        const QList<qint64> ids = hits(text, limit);
        if (ids.isEmpty())
            return {};
        QSqlQuery& q = rowsQuery(RecordLayout<R>::names, RecordLayout<R>::count);
        if (!readRows(q, ids, limit))
            return {};
        QList<R> out = RecordTable::readAll<R>(q);
        q.finish();
        return out;
    }

    // The way the last search took: "indexed" or "ordered"; for the tests.
    QString lastPath() const { return m_lastPath; }

private:
    // The row ids of the hits, at most limit of them.
    QList<qint64> hits(const QString& text, int limit);
    bool candidates(const QString& text, int limit, QList<qint64>* ids);
    QList<qint64> ordered(const QString& text, int limit);
    QSqlQuery& rowsQuery(const char* const* names, qsizetype count);
    bool readRows(QSqlQuery& q, const QList<qint64>& ids, int limit);

    QSqlDatabase m_db;
    QSet<QString> m_columns;
    QSqlQuery m_candidates;
    QSqlQuery m_ordered;
    QHash<const char* const*, std::shared_ptr<QSqlQuery>> m_rows;
    QString m_lastPath;
};
