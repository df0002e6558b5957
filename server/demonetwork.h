#pragma once

#include <QHash>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QStringList>

class QSqlQuery;

// The article network of the demo: alternatives (net types 1, 2, 3, 5 and 7)
// among articles of the same part that have stock, and co-sale articles
// (type 4) of the part that goes with it. Deterministic: it draws from a
// generator of its own, so the rest of the demo does not shift with it.
class DemoNetwork {
public:
    DemoNetwork(QSqlDatabase db, const QStringList& articleNumbers);

    bool generate();
    QString error() const { return m_error; }

private:
    struct Article {
        QString part;
        int stock = 0;
    };
    bool add(QSqlQuery& q, const QString& artikelnr, const QString& related, int typ);
    bool exec(QSqlQuery& q);

    QSqlDatabase m_db;
    const QStringList& m_articleNumbers;
    QRandomGenerator m_random;
    QHash<QString, Article> m_articles;
    int m_nextKey = 900000;
    QString m_today;
    QString m_error;
};
