#include "Database.h"

#include <chrono>

Database::Database(SqlDialect dialect, Factory factory, size_t poolSize, int waitMs)
    : m_dialect(dialect)
    , m_factory(std::move(factory))
    , m_poolSize(poolSize > 0 ? poolSize : 1)
    , m_waitMs(waitMs)
{
}

Database::~Database() = default;

std::unique_ptr<SqlConnection> Database::acquire()
{
    std::unique_ptr<SqlConnection> connection;
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        const bool available = m_returned.wait_for(lock, std::chrono::milliseconds(m_waitMs), [this] {
            return !m_idle.empty() || m_open < m_poolSize;
        });
        if (!available)
            throw StoreError(StoreError::Kind::Busy, "all database connections are in use");
        if (!m_idle.empty()) {
            connection = std::move(m_idle.back());
            m_idle.pop_back();
        } else {
            ++m_open; // reserve the slot; opened below without holding the lock
        }
    }
    try {
        if (!connection)
            connection = m_factory();
        else if (!connection->healthy() && !connection->revive())
            throw StoreError(StoreError::Kind::Unavailable, "the database connection is lost");
    } catch (...) {
        std::lock_guard<std::mutex> lock(m_mutex);
        --m_open;
        m_returned.notify_one();
        throw;
    }
    return connection;
}

void Database::release(std::unique_ptr<SqlConnection> connection)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_idle.push_back(std::move(connection));
    }
    m_returned.notify_one();
}
