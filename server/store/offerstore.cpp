#include "store/offerstore.h"

#include "store/recordtable.h"

#include <QSqlQuery>

QString OfferStore::insertHead(TAngebotsKopfSatz& head, const QDate& created, const QDate& validUntil) {
    QSqlQuery q(m_db);
    q.prepare(RecordTable::insertSql<TAngebotsKopfSatz>(
        QStringLiteral("ANGEBOTSKOPF"), {QStringLiteral("SORTDATUM"), QStringLiteral("GUELTIG_SORT")}));
    q.addBindValue(created.toString(Qt::ISODate));
    q.addBindValue(validUntil.toString(Qt::ISODate));
    RecordTable::bindFields(q, head);
    if (!q.exec())
        return QString();
    const QString id = q.lastInsertId().toString();
    q.prepare(QStringLiteral("UPDATE ANGEBOTSKOPF SET vkk_id = ROW_ID, VAK_ID = ROW_ID WHERE ROW_ID = ?"));
    q.addBindValue(id);
    if (!q.exec())
        return QString();
    head.vkk_id = id;
    head.VAK_ID = id;
    return id;
}

bool OfferStore::insertLine(const QString& vakId, TAngebotsZeileSatz& line) {
    QSqlQuery q(m_db);
    q.prepare(RecordTable::insertSql<TAngebotsZeileSatz>(QStringLiteral("ANGEBOTSZEILE"),
                                                         {QStringLiteral("KOPF_VAK_ID")}));
    q.addBindValue(vakId);
    RecordTable::bindFields(q, line);
    if (!q.exec())
        return false;
    line.VAZ_ID = q.lastInsertId().toString();
    q.prepare(QStringLiteral("UPDATE ANGEBOTSZEILE SET VAZ_ID = ROW_ID WHERE ROW_ID = ?"));
    q.addBindValue(line.VAZ_ID);
    return q.exec();
}

TAngebotsKopfSatzArray OfferStore::valid(const QString& kdnr, const QDate& day) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TAngebotsKopfSatz>() +
              QStringLiteral(" FROM ANGEBOTSKOPF WHERE kundennr = ? AND GUELTIG_SORT >= ? "
                             "ORDER BY SORTDATUM DESC, ROW_ID DESC"));
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    q.addBindValue(day.toString(Qt::ISODate));
    if (!q.exec())
        return {};
    return RecordTable::readAll<TAngebotsKopfSatz>(q);
}

std::optional<TAngebotsKopfSatz> OfferStore::head(const QString& kdnr, const QString& vakId) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TAngebotsKopfSatz>() +
              QStringLiteral(" FROM ANGEBOTSKOPF WHERE VAK_ID = ? AND kundennr = ?"));
    q.addBindValue(vakId.trimmed());
    q.addBindValue(RecordTable::text(kdnr.trimmed()));
    if (!q.exec() || !q.next())
        return std::nullopt;
    return RecordTable::read<TAngebotsKopfSatz>(q);
}

TAngebotsZeileSatzArray OfferStore::lines(const QString& vakId) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<TAngebotsZeileSatz>() +
              QStringLiteral(" FROM ANGEBOTSZEILE WHERE KOPF_VAK_ID = ? ORDER BY CAST(vzlfd_nr AS INTEGER)"));
    q.addBindValue(vakId.trimmed());
    if (!q.exec())
        return {};
    return RecordTable::readAll<TAngebotsZeileSatz>(q);
}
