#pragma once
// The small SQL surface the account store needs, spoken the same way by the SQLite and the
// PostgreSQL back-ends. Statements are written once with $1, $2, ... placeholders; values are
// always bound, never spliced into the text.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

using SqlParam = std::variant<std::nullptr_t, int64_t, std::string>;
using SqlParams = std::vector<SqlParam>;

// One result row; every cell as text (or null), converted on access.
class SqlRow {
public:
    explicit SqlRow(std::vector<std::optional<std::string>> cells) : m_cells(std::move(cells)) {}
    bool isNull(size_t column) const;
    std::string text(size_t column) const;      // "" for null
    int64_t integer(size_t column) const;       // 0 for null or non-numbers
private:
    std::vector<std::optional<std::string>> m_cells;
};

struct SqlResult {
    std::vector<SqlRow> rows;
    int64_t affected = 0; // rows changed by INSERT, UPDATE or DELETE
};

// Failures of the database, sorted by what the caller can do about them.
class StoreError : public std::runtime_error {
public:
    enum class Kind {
        Conflict,    // a unique key is taken (someone else was first)
        Retry,       // the transaction lost a race (deadlock, serialization); run it again
        Busy,        // locked by someone else for too long
        Unavailable, // no connection, file gone, disk error
        Failed,      // anything else: a fault of ours
    };
    StoreError(Kind kind, const std::string& what) : std::runtime_error(what), m_kind(kind) {}
    Kind kind() const { return m_kind; }
private:
    Kind m_kind;
};

enum class SqlDialect { Sqlite, Postgres };

class SqlConnection {
public:
    virtual ~SqlConnection() = default;
    virtual SqlDialect dialect() const = 0;
    // Throws StoreError.
    virtual SqlResult exec(const std::string& sql, const SqlParams& params = {}) = 0;
    // A transaction that will write: SQLite takes its write lock at once.
    virtual void beginWrite() = 0;
    virtual void commit() = 0;
    virtual void rollback() noexcept = 0;
    // False when the connection cannot be used any more; the pool then tries to revive it.
    virtual bool healthy() = 0;
    virtual bool revive() = 0;
};
