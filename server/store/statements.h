#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// Prepared statements kept for the life of a connection. SQLite spends more
// time preparing a statement that names every column of a wide record than
// running it on an index, so the lookups every request makes (an article by
// key, the customer, the stock rows) are prepared once.
//
// The store attaches its connection when it opens it and detaches it before
// it closes it. A statement must be finished (QSqlQuery::finish) when its
// rows are read, and must not be used again while its rows are being read.
namespace Statements {

void attach(const QString& connection);
void detach(const QString& connection);
// The statement for sql on db, prepared at its first use. It lives until its
// connection is detached (a connection used before attach() is attached by it).
QSqlQuery& prepared(const QSqlDatabase& db, const QString& sql);

} // namespace Statements
