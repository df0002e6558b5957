#pragma once

#include <QSqlDatabase>

// One SQLite transaction for a changing request: rolled back unless commit()
// is called, so a failed or interrupted request leaves nothing half done.
class Transaction {
public:
    explicit Transaction(QSqlDatabase db)
        : m_db(db)
        , m_open(m_db.transaction()) {}
    ~Transaction() {
        if (m_open)
            m_db.rollback();
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
    QSqlDatabase m_db;
    bool m_open;
};
