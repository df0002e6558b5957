#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

class ServerStore;
class QSqlDatabase;
class QSqlQuery;

// The deterministic demo data of qtx-server: vehicle-parts articles with
// German descriptions, catalogue numbers, EANs and suppliers; a dozen
// branches with uneven stock; customers, users, delivery addresses, options
// and past documents. The same seed gives the same data; only the document
// dates follow the day of generation.
class DemoData {
public:
    enum class Size {
        Small, // a fresh server's seed: a few hundred articles, three months of documents
        Full,  // --init-demo: thousands of articles, a year of documents
    };

    explicit DemoData(ServerStore& store);
    // articles: how many generated articles (beside the special ones); 0
    // takes the size's own number.
    bool generate(Size size, QString* error, int articles = 0);
    // The most articles a demo catalogue may have.
    static constexpr int maxArticles = 2000000;

    // Customer number, user and password of the demo logins.
    static QList<QStringList> logins();

private:
    bool branches(QSqlDatabase& db);
    bool suppliers(QSqlDatabase& db);
    bool articles(QSqlDatabase& db, int count);
    bool customers(QSqlDatabase& db);
    bool exec(QSqlQuery& q);

    ServerStore& m_store;
    QRandomGenerator m_random;
    QStringList m_articleNumbers;
    QString m_error;
};
