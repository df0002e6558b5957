#pragma once

#include <QString>

class QSqlDatabase;

// The tables of qtx-server, named after the back-end's tables. Tables that
// hold a record type get one column per field of that record.
namespace Schema {

bool create(QSqlDatabase& db, QString* error);
// What every connection sets for itself: its page cache and memory map.
void tune(QSqlDatabase& db);

} // namespace Schema
