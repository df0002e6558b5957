#include "readpool.h"

#include "serverstore.h"

#include <memory>

namespace {

// The reader of the calling thread. A thread belongs to one pool for its whole
// life, so its connection is opened once and closed when the thread ends.
struct Reader {
    const ReadPool* pool = nullptr;
    std::unique_ptr<ServerStore> store;
};
thread_local Reader reader;

} // namespace

ReadPool::ReadPool(const QString& path, int threads)
    : m_path(path) {
    m_pool.setMaxThreadCount(threads);
    // A thread that ended would take its warm page cache with it.
    m_pool.setExpiryTimeout(-1);
}

ReadPool::~ReadPool() {
    m_pool.waitForDone();
}

bool ReadPool::shareable(const QString& path) {
    return !path.isEmpty() && path != u":memory:" && !path.startsWith(u"file::memory:");
}

void ReadPool::run(std::function<void(ServerStore*)> work) {
    m_pool.start([this, work = std::move(work)] {
        if (reader.pool != this || !reader.store) {
            reader.pool = this;
            reader.store = std::make_unique<ServerStore>();
            QString error;
            if (!reader.store->openReader(m_path, &error)) {
                qWarning("read pool: cannot open %s: %s", qPrintable(m_path), qPrintable(error));
                reader.store.reset();
            }
        }
        work(reader.store.get());
    });
}
