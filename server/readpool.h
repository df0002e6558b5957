#pragma once

#include <QString>
#include <QThreadPool>

#include <functional>

class ServerStore;

// Threads that read the database beside the dispatcher's thread. Each thread
// opens its own connection at its first task and keeps it while it lives;
// SQLite in WAL mode lets them read while the dispatcher writes, and each read
// sees what was committed when it began.
//
// A database without a file (":memory:") cannot be shared: then there is no
// pool, and the caller reads on its own connection.
class ReadPool {
public:
    explicit ReadPool(const QString& path, int threads = 4);
    ~ReadPool(); // waits for the tasks that run
    ReadPool(const ReadPool&) = delete;
    ReadPool& operator=(const ReadPool&) = delete;

    static bool shareable(const QString& path);

    // Runs work on one of the threads with that thread's store; the store is
    // null when its connection could not be opened (the reason is logged).
    void run(std::function<void(ServerStore*)> work);
    int threads() const { return m_pool.maxThreadCount(); }

private:
    QString m_path;
    QThreadPool m_pool;
};
