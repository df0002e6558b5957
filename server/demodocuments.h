#pragma once

#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QStringList>

class QSqlQuery;

// The demo's past documents of each customer: orders with their delivery
// notes and invoices, credit notes for returns, returnable articles and old
// parts, and a few offers. Drawn from the demo's generator, so the same seed
// gives the same documents; only their dates follow the day of generation.
class DemoDocuments {
public:
    DemoDocuments(QSqlDatabase db, QRandomGenerator& random, const QStringList& articleNumbers);

    // Documents over the given number of days before today.
    bool documents(int days);
    // Offers over the same days; those of the last half year are still valid.
    bool offers(int days);
    QString error() const { return m_error; }

private:
    bool exec(QSqlQuery& q);
    QString randomArticle();

    QSqlDatabase m_db;
    QRandomGenerator& m_random;
    const QStringList& m_articleNumbers;
    QString m_error;
};
