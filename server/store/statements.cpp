#include "store/statements.h"

#include <QHash>
#include <QMutex>

#include <memory>

namespace Statements {

namespace {

using Cache = QHash<QString, std::shared_ptr<QSqlQuery>>;

QMutex mutex;
QHash<QString, Cache>& caches() {
    static QHash<QString, Cache> statements;
    return statements;
}

} // namespace

void attach(const QString& connection) {
    QMutexLocker lock(&mutex);
    caches().insert(connection, {});
}

void detach(const QString& connection) {
    Cache gone;
    {
        QMutexLocker lock(&mutex);
        gone = caches().take(connection);
    }
}

QSqlQuery& prepared(const QSqlDatabase& db, const QString& sql) {
    QMutexLocker lock(&mutex);
    std::shared_ptr<QSqlQuery>& q = caches()[db.connectionName()][sql];
    if (!q) {
        q = std::make_shared<QSqlQuery>(db);
        q->setForwardOnly(true);
        q->prepare(sql);
    }
    return *q;
}

} // namespace Statements
