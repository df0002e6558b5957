#include "store/pricefilestore.h"

#include "store/recordtable.h"

#include <QSqlQuery>

std::optional<PriceFileStore::PriceFile> PriceFileStore::file(const QString& kdnr) const {
    QSqlQuery q(m_db);
    q.prepare(
        QStringLiteral("SELECT DATEINAME, GROESSE, ERSTELLT, KOPIE FROM DEBITOR_PREISDATEI WHERE KDNR = ?"));
    q.addBindValue(RecordTable::text(kdnr));
    if (!q.exec() || !q.next())
        return std::nullopt;
    return PriceFile{q.value(0).toString(), q.value(1).toLongLong(), q.value(2).toString(),
                     q.value(3).toString()};
}

bool PriceFileStore::setFile(const QString& kdnr, const PriceFile& file) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO DEBITOR_PREISDATEI (KDNR, DATEINAME, GROESSE, ERSTELLT, "
                             "KOPIE) VALUES (?, ?, ?, ?, ?)"));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(RecordTable::text(file.name));
    q.addBindValue(file.size);
    q.addBindValue(RecordTable::text(file.created));
    q.addBindValue(RecordTable::text(file.copy));
    return q.exec();
}

bool PriceFileStore::setCopy(const QString& kdnr, const QString& copy) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE DEBITOR_PREISDATEI SET KOPIE = ? WHERE KDNR = ?"));
    q.addBindValue(RecordTable::text(copy));
    q.addBindValue(RecordTable::text(kdnr));
    return q.exec() && q.numRowsAffected() == 1;
}

QList<PriceFileStore::Group> PriceFileStore::groups() const {
    QSqlQuery q(m_db);
    QList<Group> out;
    if (!q.exec(QStringLiteral("SELECT WGR_ID, BUCHGRUPPE, BEZEICHNUNG, KURZBEZ FROM WARENGRUPPE "
                               "ORDER BY BUCHGRUPPE, WGR_ID")))
        return out;
    while (q.next())
        out.append(Group{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                         q.value(3).toString()});
    return out;
}

bool PriceFileStore::addGroup(const Group& group) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "INSERT OR REPLACE INTO WARENGRUPPE (WGR_ID, BUCHGRUPPE, BEZEICHNUNG, KURZBEZ) VALUES (?, ?, ?, ?)"));
    q.addBindValue(RecordTable::text(group.id));
    q.addBindValue(RecordTable::text(group.buchgruppe));
    q.addBindValue(RecordTable::text(group.bezeichnung));
    q.addBindValue(RecordTable::text(group.kurzbez));
    return q.exec();
}

QHash<QString, bool> PriceFileStore::filter(const QString& kdnr, const QString& kind) const {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "SELECT WGR_ID, AKTIV FROM DEBITOR_WARENGRUPPENFILTER WHERE KDNR = ? AND FILTERART = ?"));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(RecordTable::text(kind));
    QHash<QString, bool> out;
    if (q.exec()) {
        while (q.next())
            out.insert(q.value(0).toString(), q.value(1).toString() == u"1");
    }
    return out;
}

bool PriceFileStore::setFilter(const QString& kdnr, const QString& kind,
                               const QList<QPair<QString, bool>>& entries) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM DEBITOR_WARENGRUPPENFILTER WHERE KDNR = ? AND FILTERART = ?"));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(RecordTable::text(kind));
    if (!q.exec())
        return false;
    q.prepare(
        QStringLiteral("INSERT OR REPLACE INTO DEBITOR_WARENGRUPPENFILTER (KDNR, FILTERART, WGR_ID, AKTIV) "
                       "VALUES (?, ?, ?, ?)"));
    for (const auto& [id, active] : entries) {
        q.addBindValue(RecordTable::text(kdnr));
        q.addBindValue(RecordTable::text(kind));
        q.addBindValue(RecordTable::text(id));
        q.addBindValue(active ? QStringLiteral("1") : QStringLiteral("0"));
        if (!q.exec())
            return false;
    }
    return true;
}

QString PriceFileStore::addBatch(const QString& kdnr, const QStringList& groups, const QString& when) {
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("INSERT INTO DEBITOR_PD_BATCH (KDNR, WARENGRUPPEN, STATUS, ERSTELLT) "
                             "VALUES (?, ?, 'offen', ?)"));
    q.addBindValue(RecordTable::text(kdnr));
    q.addBindValue(groups.join(QLatin1Char(';')));
    q.addBindValue(RecordTable::text(when));
    return q.exec() ? q.lastInsertId().toString() : QString();
}
