#pragma once

// SQL for the tables that hold a record type: one TEXT column per field,
// named as the field, so that the store and the wire stay in step when a
// record grows. Key columns come first and are the caller's.

#include "model/recordlayout.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace RecordTable {

inline QString quoted(QLatin1StringView name) {
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// "NUMMER", "TECDOCNR", ... with a prefix for joins ("a." + name). The plain
// list is built once per type: most requests select a whole record.
template <class R> QString columns(const QString& prefix = QString()) {
    const auto build = [](const QString& p) {
        QStringList names;
        names.reserve(RecordCodec::fieldCount<R>());
        for (qsizetype k = 0; k < RecordCodec::fieldCount<R>(); ++k)
            names.append(p + quoted(RecordCodec::fieldName<R>(k)));
        return names.join(QStringLiteral(", "));
    };
    if (!prefix.isEmpty())
        return build(prefix);
    static const QString plain = build(QString());
    return plain;
}

// CREATE TABLE with the key columns (full SQL declarations) in front.
template <class R> QString createSql(const QString& table, const QString& keyDeclarations) {
    QString sql = QStringLiteral("CREATE TABLE IF NOT EXISTS ") + table + QStringLiteral(" (");
    if (!keyDeclarations.isEmpty())
        sql += keyDeclarations + QStringLiteral(", ");
    for (qsizetype k = 0; k < RecordCodec::fieldCount<R>(); ++k) {
        if (k > 0)
            sql += QStringLiteral(", ");
        sql += quoted(RecordCodec::fieldName<R>(k)) + QStringLiteral(" TEXT NOT NULL DEFAULT ''");
    }
    return sql + QLatin1Char(')');
}

// INSERT with the key columns named, then every field.
template <class R> QString insertSql(const QString& table, const QStringList& keyColumns) {
    QStringList names = keyColumns;
    for (qsizetype k = 0; k < RecordCodec::fieldCount<R>(); ++k)
        names.append(quoted(RecordCodec::fieldName<R>(k)));
    QStringList marks;
    marks.fill(QStringLiteral("?"), names.size());
    return QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (") + names.join(QStringLiteral(", ")) +
           QStringLiteral(") VALUES (") + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
}

// UPDATE of every field of the rows the condition selects (its values bound after the fields).
template <class R> QString updateSql(const QString& table, const QString& condition) {
    QStringList sets;
    for (qsizetype k = 0; k < RecordCodec::fieldCount<R>(); ++k)
        sets.append(quoted(RecordCodec::fieldName<R>(k)) + QStringLiteral(" = ?"));
    return QStringLiteral("UPDATE ") + table + QStringLiteral(" SET ") + sets.join(QStringLiteral(", ")) +
           QStringLiteral(" WHERE ") + condition;
}

// A null QString would be bound as SQL NULL; the columns hold '' instead.
inline QVariant text(const QString& value) {
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

template <class R> void bindFields(QSqlQuery& q, const R& record) {
    for (QString R::*member : RecordLayout<R>::fields())
        q.addBindValue(text(record.*member));
}

// The record from the query's current row, its fields from column offset on.
template <class R> R read(const QSqlQuery& q, int offset = 0) {
    R record;
    int column = offset;
    for (QString R::*member : RecordLayout<R>::fields())
        record.*member = q.value(column++).toString();
    return record;
}

// All rows of an executed query.
template <class R> QList<R> readAll(QSqlQuery& q, int offset = 0) {
    QList<R> out;
    while (q.next())
        out.append(read<R>(q, offset));
    return out;
}

} // namespace RecordTable

namespace RecordTable {

// Copies the fields that two record types share by name (an article row into
// its short and long search forms, an order line into a document line).
template <class To, class From> To copyByName(const From& from) {
    static const auto map = [] {
        std::array<qsizetype, RecordLayout<To>::count> m{};
        for (qsizetype t = 0; t < RecordLayout<To>::count; ++t) {
            m[std::size_t(t)] = -1;
            for (qsizetype f = 0; f < RecordLayout<From>::count; ++f) {
                if (qstrcmp(RecordLayout<To>::names[t], RecordLayout<From>::names[f]) == 0)
                    m[std::size_t(t)] = f;
            }
        }
        return m;
    }();
    To to;
    for (qsizetype t = 0; t < RecordLayout<To>::count; ++t) {
        const qsizetype f = map[std::size_t(t)];
        if (f >= 0)
            to.*(RecordLayout<To>::members[t]) = from.*(RecordLayout<From>::members[f]);
    }
    return to;
}

} // namespace RecordTable
