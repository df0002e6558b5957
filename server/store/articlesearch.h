#pragma once

#include "model/records.h"
#include "store/recordtable.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <utility>

// The article search: the first hits in number order whose number, short
// number or catalogue number begins with the text, or whose search text
// contains it (both blind to the case of ASCII letters). Its statements are
// prepared once per connection (Statements) and serve every text of a
// request; none of them depends on the text, so SQLite never prepares them
// again.
//
// A text of three characters or more is looked up in the indexes: the
// number columns by range and the search text in its trigram index. When any
// of them holds more hits than asked for, the text is common, and a walk
// along the number index that stops at the last hit is cheaper than sorting
// every hit; a shorter text always takes that walk.
class ArticleSearch {
public:
    explicit ArticleSearch(QSqlDatabase db)
        : m_db(db) {}

    // The hits as records of type R, in number order: the fields that are no
    // article column stay empty.
    template <class R> QList<R> find(const QString& text, int limit) {
        return findEach<R>({text}, limit).value(0);
    }

    // The hits of several texts, each as find() gives them; the rows of all
    // of them are read in one statement.
    template <class R> QList<QList<R>> findEach(const QStringList& texts, int limit) {
        QList<QList<qint64>> perText;
        QList<qint64> all;
        for (const QString& text : texts) {
            perText.append(hits(text, limit));
            all += perText.last();
        }
        QList<QList<R>> out(texts.size());
        if (all.isEmpty())
            return out;
        // The fields of R that are article columns; the others read as empty texts.
        static const QString columns = articleColumns(RecordLayout<R>::names, RecordLayout<R>::count);
        QSqlQuery& q = rowsQuery(columns);
        if (!readRows(q, all))
            return out;
        QHash<qint64, std::pair<QByteArray, R>> rows;
        while (q.next())
            rows.insert(q.value(0).toLongLong(),
                        {q.value(1).toString().toUtf8(), RecordTable::read<R>(q, 2)});
        q.finish();
        for (qsizetype i = 0; i < texts.size(); ++i) {
            QList<std::pair<QByteArray, qint64>> order;
            for (qint64 id : perText.at(i)) {
                const auto row = rows.constFind(id);
                if (row != rows.constEnd())
                    order.append({row->first, id});
            }
            for (qint64 id : inNumberOrder(order, limit))
                out[i].append(rows.value(id).second);
        }
        return out;
    }

    // The way the last search took: "indexed" or "ordered"; for the tests.
    QString lastPath() const { return m_lastPath; }

private:
    // The row ids of the hits, at most limit of them.
    QList<qint64> hits(const QString& text, int limit);
    bool candidates(const QString& text, const QString& end, int limit, QList<qint64>* ids);
    QList<qint64> ordered(const QString& text, const QString& end, int limit);
    static QString articleColumns(const char* const* names, qsizetype count);
    // ROW_ID, NUMMER and the given columns, for a list of row ids.
    QSqlQuery& rowsQuery(const QString& columns);
    bool readRows(QSqlQuery& q, const QList<qint64>& ids);
    // Row ids by number (UTF-8 bytes, as SQLite orders text), each once, at most limit.
    static QList<qint64> inNumberOrder(QList<std::pair<QByteArray, qint64>>& rows, int limit);

    QSqlDatabase m_db;
    QString m_lastPath;
};
