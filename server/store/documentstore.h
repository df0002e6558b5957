#pragma once

#include "model/records.h"
#include "store/recordtable.h"

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>

// Document heads and lines: orders (VERKAUFSKOPF/-ZEILE), delivery notes,
// invoices and credit notes. Every head table has the column NUMMER and
// KUNDENNR, a hidden SORTDATUM "yyyy-MM-dd" for date ranges; every line
// table has BELEGNR.
class DocumentStore {
public:
    explicit DocumentStore(QSqlDatabase db)
        : m_db(db) {}

    // The next document number of a kind ("AB", "LS", "RG", "GS"), counted up.
    QString nextNumber(const QString& art);

    template <class R> bool insertHead(const QString& table, const R& record, const QDate& date) {
        QSqlQuery q(m_db);
        q.prepare(RecordTable::insertSql<R>(table, {QStringLiteral("SORTDATUM")}));
        q.addBindValue(date.toString(Qt::ISODate));
        RecordTable::bindFields(q, record);
        return q.exec();
    }

    template <class R> bool insertLine(const QString& table, const R& record) {
        QSqlQuery q(m_db);
        q.prepare(RecordTable::insertSql<R>(table, {}));
        RecordTable::bindFields(q, record);
        return q.exec();
    }

    // Heads of a customer: by number when given, else in the date range (newest
    // first). The client lists what comes, so the limit lets a year of a busy
    // customer's invoices through whole.
    template <class R>
    QList<R> heads(const QString& table, const QString& kdnr, const QString& number, const QDate& from,
                   const QDate& to, int limit = 20000) const {
        QSqlQuery q(m_db);
        QString sql = QStringLiteral("SELECT ") + RecordTable::columns<R>() + QStringLiteral(" FROM ") +
                      table + QStringLiteral(" WHERE KUNDENNR = ?");
        if (!number.trimmed().isEmpty())
            sql += QStringLiteral(" AND NUMMER = ?");
        if (from.isValid())
            sql += QStringLiteral(" AND SORTDATUM >= ?");
        if (to.isValid())
            sql += QStringLiteral(" AND SORTDATUM <= ?");
        q.prepare(sql + QStringLiteral(" ORDER BY SORTDATUM DESC, NUMMER DESC LIMIT ?"));
        q.addBindValue(kdnr.trimmed());
        if (!number.trimmed().isEmpty())
            q.addBindValue(number.trimmed());
        if (from.isValid())
            q.addBindValue(from.toString(Qt::ISODate));
        if (to.isValid())
            q.addBindValue(to.toString(Qt::ISODate));
        q.addBindValue(limit);
        if (!q.exec())
            return {};
        return RecordTable::readAll<R>(q);
    }

    // Lines of one document, of the customer only.
    template <class R>
    QList<R> lines(const QString& table, const QString& belegnr, const QString& kdnr) const {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("SELECT ") + RecordTable::columns<R>() + QStringLiteral(" FROM ") + table +
                  QStringLiteral(" WHERE BELEGNR = ? AND (? = '' OR KUNDENNR = ?) ORDER BY CAST(LFD_NR AS "
                                 "INTEGER)"));
        q.addBindValue(belegnr.trimmed());
        q.addBindValue(kdnr.trimmed());
        q.addBindValue(kdnr.trimmed());
        if (!q.exec())
            return {};
        return RecordTable::readAll<R>(q);
    }

    // Whether the customer has a head with this number in the table.
    bool headExists(const QString& table, const QString& kdnr, const QString& number) const;

    // Open backorder lines of a customer (order lines with a remaining quantity).
    QList<TVerkaufsZeile> backorders(const QString& kdnr) const;

private:
    QSqlDatabase m_db;
};
