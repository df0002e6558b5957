#pragma once

#include "model/clientrecords.h"

#include <QSqlDatabase>

#include <optional>

// Draft orders (KLADDE) and their lines (VERKAUFSKLADDE, all 129 columns).
// VKKL_ID is the line's row id as text, so it never repeats.
class DraftStore {
public:
    explicit DraftStore(QSqlDatabase db)
        : m_db(db) {}

    // Open lines of a customer and user, in entry order.
    TVerkaufskladdeArray lines(const QString& kdnr, const QString& user) const;
    std::optional<TVerkaufskladde> line(const QString& vkklId) const;
    int count(const QString& kdnr, const QString& user) const;

    // Stores a new line; fills VKKL_ID and LFD_NR. Empty on failure.
    QString insert(TVerkaufskladde& line);
    // Keeps the client identification an insert came with; nothing when it brought none.
    bool recordClient(const QString& vkklId, const QString& client);
    bool update(const TVerkaufskladde& line);
    bool remove(const QString& vkklId);

    // A new draft order head; its id.
    QString init(const QString& kdnr, const QString& user, const QString& lieferadr, const QString& when);

private:
    QSqlDatabase m_db;
};
