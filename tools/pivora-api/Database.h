#pragma once
// A bounded pool of connections to one database, and the transaction runner every account
// operation goes through.

#include "SqlConnection.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <type_traits>
#include <vector>

class Database {
public:
    using Factory = std::function<std::unique_ptr<SqlConnection>()>;

    Database(SqlDialect dialect, Factory factory, size_t poolSize, int waitMs);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    SqlDialect dialect() const { return m_dialect; }

    // Runs work on a connection outside a transaction (single reads).
    template <class Work>
    auto read(Work&& work)
    {
        Lease lease(*this);
        return work(*lease);
    }

    // Runs work in a write transaction: committed when work returns, rolled back when it
    // throws. A transaction that lost a race is run again (work must only touch the database).
    template <class Work>
    auto write(Work&& work)
    {
        for (int attempt = 1;; ++attempt) {
            Lease lease(*this);
            SqlConnection& connection = *lease;
            connection.beginWrite();
            try {
                if constexpr (std::is_void_v<decltype(work(connection))>) {
                    work(connection);
                    connection.commit();
                    return;
                } else {
                    auto result = work(connection);
                    connection.commit();
                    return result;
                }
            } catch (const StoreError& error) {
                connection.rollback();
                if (error.kind() != StoreError::Kind::Retry || attempt >= kMaxAttempts)
                    throw;
            } catch (...) {
                connection.rollback();
                throw;
            }
        }
    }

private:
    static constexpr int kMaxAttempts = 3;

    class Lease {
    public:
        explicit Lease(Database& database) : m_database(database), m_connection(database.acquire()) {}
        ~Lease() { m_database.release(std::move(m_connection)); }
        SqlConnection& operator*() { return *m_connection; }
    private:
        Database& m_database;
        std::unique_ptr<SqlConnection> m_connection;
    };

    std::unique_ptr<SqlConnection> acquire();
    void release(std::unique_ptr<SqlConnection> connection);

    SqlDialect m_dialect;
    Factory m_factory;
    size_t m_poolSize;
    int m_waitMs;
    std::mutex m_mutex;
    std::condition_variable m_returned;
    std::vector<std::unique_ptr<SqlConnection>> m_idle;
    size_t m_open = 0; // idle plus lent out
};
