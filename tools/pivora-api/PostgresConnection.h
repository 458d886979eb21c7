#pragma once

#include "SqlConnection.h"

#include <map>
#include <string>

struct pg_conn;

struct PostgresSettings {
    std::string address;            // postgresql:// URI or key=value connection string
    int connectTimeoutSeconds = 5;
    int statementTimeoutMs = 10000; // a statement waiting on locks longer than this is Busy
    int lockTimeoutMs = 5000;
};

// One libpq connection. Statements are prepared once per connection and reused.
class PostgresConnection : public SqlConnection {
public:
    // Throws StoreError (Unavailable) when the server cannot be reached.
    explicit PostgresConnection(PostgresSettings settings);
    ~PostgresConnection() override;

    SqlDialect dialect() const override { return SqlDialect::Postgres; }
    SqlResult exec(const std::string& sql, const SqlParams& params) override;
    void beginWrite() override;
    void commit() override;
    void rollback() noexcept override;
    bool healthy() override;
    bool revive() override;

private:
    void prepareSession();
    std::string statementName(const std::string& sql);
    [[noreturn]] void fail(const void* result, const char* during);

    PostgresSettings m_settings;
    pg_conn* m_conn = nullptr;
    std::map<std::string, std::string> m_statements;
};
