#include "store/documentstore.h"

QString DocumentStore::nextNumber(const QString& art) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT OR IGNORE INTO NUMMERNKREIS (ART, NAECHSTE) VALUES (?, 100001)"));
    q.addBindValue(RecordTable::text(art));
    q.exec();
    q.prepare(QStringLiteral("SELECT NAECHSTE FROM NUMMERNKREIS WHERE ART = ?"));
    q.addBindValue(RecordTable::text(art));
    if (!q.exec() || !q.next())
        return QString();
    const qint64 number = q.value(0).toLongLong();
    q.prepare(QStringLiteral("UPDATE NUMMERNKREIS SET NAECHSTE = ? WHERE ART = ?"));
    q.addBindValue(number + 1);
    q.addBindValue(RecordTable::text(art));
    if (!q.exec())
        return QString();
    return QString::number(number);
}

QList<TVerkaufsZeile> DocumentStore::backorders(const QString& kdnr) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TVerkaufsZeile>() +
              QStringLiteral(" FROM VERKAUFSZEILE WHERE KUNDENNR = ? AND RESTAUFTRAG_MENGE NOT IN ('', '0') "
                             "ORDER BY BELEGNR, CAST(LFD_NR AS INTEGER)"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    if (!q.exec())
        return {};
    return RecordTable::readAll<TVerkaufsZeile>(q);
}

bool DocumentStore::headExists(const QString& table, const QString& kdnr, const QString& number) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT 1 FROM ") + table +
              QStringLiteral(" WHERE NUMMER = ? AND KUNDENNR = ?"));
    q.addBindValue(RecordTable::text(number.trimmed()));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    return q.exec() && q.next();
}
