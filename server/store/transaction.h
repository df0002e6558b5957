#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>

// One SQLite transaction for a changing request: rolled back unless commit()
// is called, so a failed or interrupted request leaves nothing half done.
//
// The store runs in WAL mode with synchronous=NORMAL: a committed change
// survives a crash of the server at once, and one of the machine from the
// next checkpoint on. A booking must be on disk when it is answered, so its
// transaction asks for a full sync of its commit.
class Transaction {
public:
    enum class Sync { Normal, Full };

    explicit Transaction(QSqlDatabase db, Sync sync = Sync::Normal)
        : m_db(db)
        , m_full(sync == Sync::Full && setSync(QStringLiteral("FULL")))
        , m_open(m_db.transaction()) {}
    ~Transaction() {
        if (m_open)
            m_db.rollback();
        if (m_full)
            setSync(QStringLiteral("NORMAL"));
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool isOpen() const { return m_open; }
    bool commit() {
        if (!m_open)
            return false;
        m_open = false;
        return m_db.commit();
    }

private:
    bool setSync(const QString& level) {
        QSqlQuery q(m_db);
        return q.exec(QStringLiteral("PRAGMA synchronous=") + level);
    }

    QSqlDatabase m_db;
    bool m_full;
    bool m_open;
};
