#include "PostgresConnection.h"

#include <libpq-fe.h>

#include <cstring>
#include <memory>

namespace {

struct ResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using ResultPtr = std::unique_ptr<PGresult, ResultDeleter>;

StoreError::Kind kindOf(const std::string& state, bool connectionLost)
{
    if (connectionLost)
        return StoreError::Kind::Unavailable;
    if (state == "23505")
        return StoreError::Kind::Conflict;
    if (state == "40001" || state == "40P01")
        return StoreError::Kind::Retry;
    if (state == "55P03" || state == "57014")
        return StoreError::Kind::Busy;
    if (state.rfind("08", 0) == 0 || state.rfind("53", 0) == 0 || state.rfind("57P", 0) == 0)
        return StoreError::Kind::Unavailable;
    return StoreError::Kind::Failed;
}

// CREATE ... IF NOT EXISTS and friends talk; nobody reads it.
void ignoreNotice(void*, const char*) {}

} // namespace

PostgresConnection::PostgresConnection(PostgresSettings settings)
    : m_settings(std::move(settings))
{
    const std::string timeout = std::to_string(m_settings.connectTimeoutSeconds);
    // Later entries win: the address may set its own timeout and name.
    const char* keys[] = {"connect_timeout", "application_name", "dbname", nullptr};
    const char* values[] = {timeout.c_str(), "pivora-api", m_settings.address.c_str(), nullptr};
    m_conn = PQconnectdbParams(keys, values, 1);
    if (!m_conn || PQstatus(m_conn) != CONNECTION_OK) {
        const std::string reason = m_conn ? PQerrorMessage(m_conn) : "out of memory";
        PQfinish(m_conn);
        m_conn = nullptr;
        throw StoreError(StoreError::Kind::Unavailable, "cannot connect to PostgreSQL: " + reason);
    }
    PQsetNoticeProcessor(m_conn, ignoreNotice, nullptr);
    try {
        prepareSession();
    } catch (...) {
        PQfinish(m_conn);
        m_conn = nullptr;
        throw;
    }
}

PostgresConnection::~PostgresConnection()
{
    PQfinish(m_conn);
}

void PostgresConnection::prepareSession()
{
    m_statements.clear();
    if (PQsetClientEncoding(m_conn, "UTF8") != 0)
        throw StoreError(StoreError::Kind::Failed, "PostgreSQL refuses UTF-8");
    exec("SELECT set_config('statement_timeout', $1, false)", {std::to_string(m_settings.statementTimeoutMs)});
    exec("SELECT set_config('lock_timeout', $1, false)", {std::to_string(m_settings.lockTimeoutMs)});
}

bool PostgresConnection::healthy()
{
    return m_conn && PQstatus(m_conn) == CONNECTION_OK
           && PQtransactionStatus(m_conn) == PQTRANS_IDLE;
}

bool PostgresConnection::revive()
{
    if (!m_conn)
        return false;
    PQreset(m_conn);
    if (PQstatus(m_conn) != CONNECTION_OK)
        return false;
    try {
        prepareSession();
        return true;
    } catch (const StoreError&) {
        return false;
    }
}

void PostgresConnection::fail(const void* result, const char* during)
{
    const auto* pgResult = static_cast<const PGresult*>(result);
    const char* state = pgResult ? PQresultErrorField(pgResult, PG_DIAG_SQLSTATE) : nullptr;
    // Only the primary message: the detail line may quote the values of a row.
    const char* primary = pgResult ? PQresultErrorField(pgResult, PG_DIAG_MESSAGE_PRIMARY) : nullptr;
    std::string message = std::string(during) + ": ";
    message += primary ? primary : PQerrorMessage(m_conn);
    // Errors that libpq makes itself carry no state: the connection broke under it.
    const bool lost = PQstatus(m_conn) != CONNECTION_OK || !state || !*state;
    throw StoreError(kindOf(state ? state : "", lost), message);
}

std::string PostgresConnection::statementName(const std::string& sql)
{
    const auto found = m_statements.find(sql);
    if (found != m_statements.end())
        return found->second;
    const std::string name = "pv" + std::to_string(m_statements.size());
    ResultPtr result(PQprepare(m_conn, name.c_str(), sql.c_str(), 0, nullptr));
    if (!result || PQresultStatus(result.get()) != PGRES_COMMAND_OK)
        fail(result.get(), "prepare");
    m_statements.emplace(sql, name);
    return name;
}

SqlResult PostgresConnection::exec(const std::string& sql, const SqlParams& params)
{
    if (!m_conn)
        throw StoreError(StoreError::Kind::Unavailable, "no PostgreSQL connection");
    std::vector<std::string> texts(params.size());
    std::vector<const char*> values(params.size(), nullptr);
    for (size_t i = 0; i < params.size(); ++i) {
        if (const auto* number = std::get_if<int64_t>(&params[i]))
            texts[i] = std::to_string(*number);
        else if (const auto* text = std::get_if<std::string>(&params[i]))
            texts[i] = *text;
        else
            continue;
        values[i] = texts[i].c_str();
    }
    ResultPtr result;
    if (params.empty()) {
        result.reset(PQexec(m_conn, sql.c_str()));
    } else {
        const std::string name = statementName(sql);
        result.reset(PQexecPrepared(m_conn, name.c_str(), int(values.size()), values.data(),
                                    nullptr, nullptr, 0));
    }
    const ExecStatusType status = result ? PQresultStatus(result.get()) : PGRES_FATAL_ERROR;
    if (status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK)
        fail(result.get(), "statement");

    SqlResult answer;
    const int rows = PQntuples(result.get());
    const int columns = PQnfields(result.get());
    answer.rows.reserve(size_t(rows));
    for (int r = 0; r < rows; ++r) {
        std::vector<std::optional<std::string>> cells;
        cells.reserve(size_t(columns));
        for (int c = 0; c < columns; ++c) {
            if (PQgetisnull(result.get(), r, c))
                cells.emplace_back();
            else
                cells.emplace_back(std::string(PQgetvalue(result.get(), r, c),
                                               size_t(PQgetlength(result.get(), r, c))));
        }
        answer.rows.emplace_back(std::move(cells));
    }
    const char* tuples = PQcmdTuples(result.get());
    answer.affected = tuples && *tuples ? std::strtoll(tuples, nullptr, 10) : 0;
    return answer;
}

void PostgresConnection::beginWrite()
{
    exec("BEGIN", {});
}

void PostgresConnection::commit()
{
    ResultPtr result(PQexec(m_conn, "COMMIT"));
    if (!result || PQresultStatus(result.get()) != PGRES_COMMAND_OK)
        fail(result.get(), "commit");
    // A transaction that failed earlier answers COMMIT with ROLLBACK.
    if (std::strcmp(PQcmdStatus(result.get()), "ROLLBACK") == 0)
        throw StoreError(StoreError::Kind::Retry, "commit: the transaction was rolled back");
}

void PostgresConnection::rollback() noexcept
{
    if (m_conn && PQtransactionStatus(m_conn) != PQTRANS_IDLE)
        PQclear(PQexec(m_conn, "ROLLBACK"));
}
