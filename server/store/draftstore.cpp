#include "store/draftstore.h"

#include "model/linevalues.h"
#include "store/recordtable.h"

#include <QSqlQuery>

TVerkaufskladdeArray DraftStore::lines(const QString& kdnr, const QString& user) const {
    QSqlQuery q(m_db);
    // Read once, front to back: no cache of every row's values on the way.
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TVerkaufskladde>() +
              QStringLiteral(" FROM VERKAUFSKLADDE WHERE KUNDENNR = ? AND upper(BENUTZER) = upper(?) "
                             "ORDER BY ROW_ID"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    q.addBindValue(RecordTable::text(user.trimmed()));
    if (!q.exec())
        return {};
    return RecordTable::readAll<TVerkaufskladde>(q);
}

std::optional<TVerkaufskladde> DraftStore::line(const QString& vkklId) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TVerkaufskladde>() +
              QStringLiteral(" FROM VERKAUFSKLADDE WHERE VKKL_ID = ?"));
    q.addBindValue(vkklId.trimmed());
    if (!q.exec() || !q.next())
        return std::nullopt;
    return RecordTable::read<TVerkaufskladde>(q);
}

int DraftStore::count(const QString& kdnr, const QString& user) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "SELECT COUNT(*) FROM VERKAUFSKLADDE WHERE KUNDENNR = ? AND upper(BENUTZER) = upper(?)"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    q.addBindValue(RecordTable::text(user.trimmed()));
    return q.exec() && q.next() ? q.value(0).toInt() : 0;
}

QString DraftStore::insert(TVerkaufskladde& line) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT coalesce(max(CAST(LFD_NR AS INTEGER)), 0) + 1 FROM VERKAUFSKLADDE "
                             "WHERE KUNDENNR = ?"));
    q.addBindValue(line.KUNDENNR);
    if (!q.exec() || !q.next())
        return QString();
    line.LFD_NR = q.value(0).toString();
    line.VKKL_ID.clear();
    q.prepare(RecordTable::insertSql<TVerkaufskladde>(QStringLiteral("VERKAUFSKLADDE"), {}));
    RecordTable::bindFields(q, line);
    if (!q.exec())
        return QString();
    const QString id = q.lastInsertId().toString();
    q.prepare(QStringLiteral("UPDATE VERKAUFSKLADDE SET VKKL_ID = ROW_ID WHERE ROW_ID = ?"));
    q.addBindValue(id);
    if (!q.exec())
        return QString();
    line.VKKL_ID = id;
    return id;
}

bool DraftStore::update(const TVerkaufskladde& line) {
    QSqlQuery q(m_db);
    q.prepare(RecordTable::updateSql<TVerkaufskladde>(QStringLiteral("VERKAUFSKLADDE"),
                                                      QStringLiteral("VKKL_ID = ?")));
    RecordTable::bindFields(q, line);
    q.addBindValue(line.VKKL_ID);
    return q.exec() && q.numRowsAffected() == 1;
}

bool DraftStore::remove(const QString& vkklId) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM VERKAUFSKLADDE WHERE VKKL_ID = ?"));
    q.addBindValue(vkklId.trimmed());
    if (!q.exec() || q.numRowsAffected() != 1)
        return false;
    QSqlQuery c(m_db);
    c.prepare(QStringLiteral("DELETE FROM KLADDE_CLIENT WHERE VKKL_ID = ?"));
    c.addBindValue(vkklId.trimmed());
    return c.exec();
}

QString DraftStore::init(const QString& kdnr, const QString& user, const QString& lieferadr,
                         const QString& when) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO KLADDE (KDNR, BENUTZER, LIEFERADR, ERSTELLT) VALUES (?, ?, ?, ?)"));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(RecordTable::text(user));
    q.addBindValue(RecordTable::text(lieferadr));
    q.addBindValue(RecordTable::text(when));
    if (!q.exec())
        return QString();
    return q.lastInsertId().toString();
}

bool DraftStore::recordClient(const QString& vkklId, const QString& client) {
    if (client.isEmpty() || client == LineValues::unchanged())
        return true;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO KLADDE_CLIENT (VKKL_ID, CLIENT) VALUES (?, ?)"));
    q.addBindValue(vkklId);
    q.addBindValue(client);
    return q.exec();
}
