#pragma once

#include "SqlConnection.h"

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

// The one write transaction of a process at a time, waited for up to a timeout.
class SqliteWriteGate {
public:
    bool enter(int timeoutMs);
    void leave();
private:
    std::mutex m_mutex;
    std::condition_variable m_free;
    bool m_taken = false;
};

// One connection to the service's SQLite file. Connections of one process share a write
// lock, so writers queue here instead of spinning in SQLite's busy handler; other processes
// on the same file are waited for up to the busy timeout.
class SqliteConnection : public SqlConnection {
public:
    // Throws StoreError (Unavailable) when the file cannot be opened; it must exist already
    // (":memory:" and "file:" addresses aside).
    SqliteConnection(std::string path, int busyTimeoutMs, std::shared_ptr<SqliteWriteGate> writeGate);
    ~SqliteConnection() override;

    SqlDialect dialect() const override { return SqlDialect::Sqlite; }
    SqlResult exec(const std::string& sql, const SqlParams& params) override;
    void beginWrite() override;
    void commit() override;
    void rollback() noexcept override;
    bool healthy() override;
    bool revive() override;

private:
    void open(bool create);
    void close() noexcept;
    sqlite3_stmt* prepared(const std::string& sql);
    void bind(sqlite3_stmt* statement, const SqlParams& params);
    [[noreturn]] void fail(int code, const char* during);
    void releaseWriteLock() noexcept;

    std::string m_path;
    int m_busyTimeoutMs;
    std::shared_ptr<SqliteWriteGate> m_writeLock;
    bool m_holdsWriteLock = false;
    sqlite3* m_db = nullptr;
    std::map<std::string, sqlite3_stmt*> m_statements;
};
