#pragma once

#include <QHash>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

// The demo's past documents of each customer: orders with their delivery
// notes and invoices, delivered to the customer's addresses in turn, credit
// notes for returns and a few goodwill credits, returnable articles and old
// parts, and a few offers. Drawn from the demo's generator, so the same seed
// gives the same documents; only their dates follow the day of generation.
class DemoDocuments {
public:
    DemoDocuments(QSqlDatabase db, QRandomGenerator& random, const QStringList& articleNumbers);

    // Documents over the given number of days before today. With
    // busyWarehouse, customer 10002 orders several times a day, so that its
    // lists run into thousands of documents.
    bool documents(int days, bool busyWarehouse);
    // Offers over the same days; those of the last half year are still valid.
    bool offers(int days);
    QString error() const { return m_error; }

private:
    struct Address {
        QString code, name, strasse, plzOrt, lieferungscode;
    };
    // Who the documents of a customer are addressed to and delivered to.
    struct Party {
        QString name, name2, strasse, adresse, plzOrt, filiale, user;
        QStringList contacts;
        QList<Address> addresses;
    };
    // What a document line takes from its article.
    struct ArticleFacts {
        QString nummer, text, text2, buchGr, exchangeValue;
        double price = 0;
        bool oldPart = false;
    };

    bool exec(QSqlQuery& q);
    QString randomArticle();
    bool readParty(const QString& kdnr, Party* party);
    // The article's facts, read once per article; false when it is missing.
    bool article(const QString& nummer, ArticleFacts* facts);

    QSqlDatabase m_db;
    QRandomGenerator& m_random;
    const QStringList& m_articleNumbers;
    QSqlQuery m_articleQuery;
    QHash<QString, ArticleFacts> m_articles;
    QString m_error;
};
