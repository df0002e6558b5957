#pragma once

#include <QRandomGenerator>
#include <QStringList>

class ServerStore;
class QSqlQuery;

// The demo's service data: card notes of articles, the product groups and
// the customers' price files, the newsletter, help and update texts and the
// downloadable files.
class DemoServices {
public:
    DemoServices(ServerStore& store, QRandomGenerator& random, const QStringList& articleNumbers);

    bool cardNotes();
    bool priceFiles();
    bool texts();
    // The demo language file "NL.lng".
    static QString dutch();
    QString error() const { return m_error; }

private:
    bool exec(QSqlQuery& q);

    ServerStore& m_store;
    QRandomGenerator& m_random;
    const QStringList& m_articleNumbers;
    QString m_error;
};
