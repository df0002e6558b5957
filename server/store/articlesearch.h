#pragma once

#include "model/records.h"

#include <QSqlDatabase>
#include <QSqlQuery>

// The article search: the first hits in number order whose number, short
// number or catalogue number begins with the text, or whose search text
// contains it. Its statements are prepared once and serve every text of a
// request, so a search for fifty texts costs fifty index lookups.
//
// A text of three characters or more is looked up in the indexes: the
// number columns by prefix and the search text in its trigram index. When
// any of them holds more hits than asked for, the text is common, and a walk
// along the number index that stops at the last hit is cheaper than sorting
// every hit; a shorter text always takes that walk.
class ArticleSearch {
public:
    explicit ArticleSearch(QSqlDatabase db);

    TArtikelArray find(const QString& text, int limit);

    // The way find() takes for a text: "indexed" or "ordered"; for the query-plan checks.
    QString lastPath() const { return m_lastPath; }

private:
    bool candidates(const QString& prefix, const QString& phrase, int limit, QList<qint64>* ids);
    TArtikelArray rows(const QList<qint64>& ids, int limit);
    TArtikelArray ordered(const QString& prefix, const QString& contains, int limit);

    QSqlDatabase m_db;
    QSqlQuery m_candidates;
    QSqlQuery m_rows;
    QSqlQuery m_ordered;
    QString m_lastPath;
};
