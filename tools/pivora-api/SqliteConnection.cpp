#include "SqliteConnection.h"

#include <sqlite3.h>

#include <chrono>

namespace {

StoreError::Kind kindOf(int code)
{
    switch (code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return StoreError::Kind::Busy;
    case SQLITE_CONSTRAINT:
        return code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY
                   ? StoreError::Kind::Conflict
                   : StoreError::Kind::Failed;
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
    case SQLITE_READONLY:
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_FULL:
    case SQLITE_PERM:
        return StoreError::Kind::Unavailable;
    default:
        return StoreError::Kind::Failed;
    }
}

} // namespace

bool SqliteWriteGate::enter(int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_free.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !m_taken; }))
        return false;
    m_taken = true;
    return true;
}

void SqliteWriteGate::leave()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_taken = false;
    }
    m_free.notify_one();
}

SqliteConnection::SqliteConnection(std::string path, int busyTimeoutMs,
                                   std::shared_ptr<SqliteWriteGate> writeLock)
    : m_path(std::move(path))
    , m_busyTimeoutMs(busyTimeoutMs)
    , m_writeLock(std::move(writeLock))
{
    // The file itself is made once, by whoever sets the database up: a connection opened
    // later must fail on a missing file rather than start an empty one.
    const bool inMemory = m_path == ":memory:" || m_path.rfind("file:", 0) == 0;
    open(inMemory);
}

SqliteConnection::~SqliteConnection()
{
    releaseWriteLock();
    close();
}

void SqliteConnection::open(bool create)
{
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_URI;
    if (create)
        flags |= SQLITE_OPEN_CREATE;
    const int opened = sqlite3_open_v2(m_path.c_str(), &m_db, flags, nullptr);
    if (opened != SQLITE_OK) {
        const std::string reason = m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(opened);
        close();
        throw StoreError(StoreError::Kind::Unavailable, "cannot open the SQLite database: " + reason);
    }
    sqlite3_extended_result_codes(m_db, 1);
    sqlite3_busy_timeout(m_db, m_busyTimeoutMs);
    try {
        // WAL lets readers go on while one writer commits; NORMAL sync is safe with WAL.
        exec("PRAGMA journal_mode=WAL", {});
        exec("PRAGMA synchronous=NORMAL", {});
        exec("PRAGMA foreign_keys=ON", {});
    } catch (...) {
        close();
        throw;
    }
}

void SqliteConnection::close() noexcept
{
    for (auto& entry : m_statements)
        sqlite3_finalize(entry.second);
    m_statements.clear();
    if (m_db)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool SqliteConnection::healthy()
{
    if (!m_db)
        return false;
    // A file deleted or replaced under us would swallow every write unseen.
    int moved = 0;
    if (sqlite3_file_control(m_db, "main", SQLITE_FCNTL_HAS_MOVED, &moved) != SQLITE_OK)
        return true; // in-memory databases cannot move
    return moved == 0;
}

bool SqliteConnection::revive()
{
    releaseWriteLock();
    close();
    try {
        open(false);
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

void SqliteConnection::fail(int code, const char* during)
{
    std::string message = std::string(during) + ": ";
    message += m_db ? sqlite3_errmsg(m_db) : sqlite3_errstr(code);
    throw StoreError(kindOf(code), message);
}

sqlite3_stmt* SqliteConnection::prepared(const std::string& sql)
{
    if (!m_db)
        throw StoreError(StoreError::Kind::Unavailable, "the SQLite database is closed");
    const auto found = m_statements.find(sql);
    if (found != m_statements.end())
        return found->second;
    sqlite3_stmt* statement = nullptr;
    const int code = sqlite3_prepare_v3(m_db, sql.c_str(), int(sql.size()),
                                        SQLITE_PREPARE_PERSISTENT, &statement, nullptr);
    if (code != SQLITE_OK)
        fail(code, "prepare");
    m_statements.emplace(sql, statement);
    return statement;
}

void SqliteConnection::bind(sqlite3_stmt* statement, const SqlParams& params)
{
    if (sqlite3_bind_parameter_count(statement) > int(params.size()))
        throw StoreError(StoreError::Kind::Failed, "statement has more placeholders than values");
    for (size_t i = 0; i < params.size(); ++i) {
        const std::string name = "$" + std::to_string(i + 1);
        const int index = sqlite3_bind_parameter_index(statement, name.c_str());
        if (index == 0)
            continue;
        int code = SQLITE_OK;
        if (const auto* number = std::get_if<int64_t>(&params[i]))
            code = sqlite3_bind_int64(statement, index, *number);
        else if (const auto* text = std::get_if<std::string>(&params[i]))
            code = sqlite3_bind_text(statement, index, text->data(), int(text->size()), SQLITE_TRANSIENT);
        else
            code = sqlite3_bind_null(statement, index);
        if (code != SQLITE_OK)
            fail(code, "bind");
    }
}

SqlResult SqliteConnection::exec(const std::string& sql, const SqlParams& params)
{
    sqlite3_stmt* statement = prepared(sql);
    struct Reset {
        sqlite3_stmt* statement;
        ~Reset()
        {
            sqlite3_reset(statement);
            sqlite3_clear_bindings(statement);
        }
    } reset{statement};
    bind(statement, params);

    SqlResult result;
    const int columns = sqlite3_column_count(statement);
    for (;;) {
        const int code = sqlite3_step(statement);
        if (code == SQLITE_DONE)
            break;
        if (code != SQLITE_ROW)
            fail(code, "step");
        std::vector<std::optional<std::string>> cells;
        cells.reserve(size_t(columns));
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(statement, c) == SQLITE_NULL) {
                cells.emplace_back();
                continue;
            }
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
            cells.emplace_back(std::string(text ? text : "", size_t(sqlite3_column_bytes(statement, c))));
        }
        result.rows.emplace_back(std::move(cells));
    }
    result.affected = sqlite3_stmt_readonly(statement) ? 0 : sqlite3_changes(m_db);
    return result;
}

void SqliteConnection::beginWrite()
{
    if (!m_writeLock->enter(m_busyTimeoutMs))
        throw StoreError(StoreError::Kind::Busy, "timed out waiting for the write lock");
    m_holdsWriteLock = true;
    try {
        exec("BEGIN IMMEDIATE", {});
    } catch (...) {
        releaseWriteLock();
        throw;
    }
}

void SqliteConnection::commit()
{
    try {
        exec("COMMIT", {});
    } catch (...) {
        rollback();
        throw;
    }
    releaseWriteLock();
}

void SqliteConnection::rollback() noexcept
{
    if (m_db && !sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    releaseWriteLock();
}

void SqliteConnection::releaseWriteLock() noexcept
{
    if (m_holdsWriteLock) {
        m_holdsWriteLock = false;
        m_writeLock->leave();
    }
}
