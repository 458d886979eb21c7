#include "AccountStore.h"

namespace {

const char kAccountColumns[] = "id, account, kind, password_hash, nickname";

StoredAccount accountFrom(const SqlRow& row)
{
    return {row.integer(0), row.text(1), row.text(2), row.text(3), row.text(4)};
}

} // namespace

void AccountStore::putCaptcha(const std::string& deviceId, const std::string& captchaId,
                              const std::string& answer, int64_t expiresAt)
{
    // A new captcha replaces the device's previous one and whatever flow it served.
    m_sql.exec("INSERT INTO captchas (device_id, captcha_id, answer, expires_at) VALUES ($1, $2, $3, $4) "
               "ON CONFLICT (device_id) DO UPDATE SET captcha_id = excluded.captcha_id, "
               "answer = excluded.answer, expires_at = excluded.expires_at, failed_tries = 0, "
               "flow_account = NULL, flow_purpose = NULL, used = 0",
               {deviceId, captchaId, answer, expiresAt});
}

std::optional<StoredCaptcha> AccountStore::captcha(const std::string& deviceId)
{
    const SqlResult result = m_sql.exec(
        "SELECT captcha_id, answer, expires_at, failed_tries, flow_account, flow_purpose, used "
        "FROM captchas WHERE device_id = $1",
        {deviceId});
    if (result.rows.empty())
        return std::nullopt;
    const SqlRow& row = result.rows[0];
    return StoredCaptcha{row.text(0), row.text(1), row.integer(2), row.integer(3),
                         row.text(4), row.text(5), row.integer(6) != 0};
}

void AccountStore::countCaptchaFailure(const std::string& deviceId, const std::string& captchaId)
{
    m_sql.exec("UPDATE captchas SET failed_tries = failed_tries + 1 WHERE device_id = $1 AND captcha_id = $2",
               {deviceId, captchaId});
}

bool AccountStore::bindCaptcha(const std::string& deviceId, const std::string& captchaId,
                               const std::string& account, const std::string& purpose, int64_t expiresAt)
{
    return m_sql.exec("UPDATE captchas SET flow_account = $3, flow_purpose = $4, expires_at = $5 "
                      "WHERE device_id = $1 AND captcha_id = $2 AND used = 0 AND "
                      "(flow_account IS NULL OR (flow_account = $3 AND flow_purpose = $4))",
                      {deviceId, captchaId, account, purpose, expiresAt})
               .affected
           == 1;
}

bool AccountStore::useCaptcha(const std::string& deviceId, const std::string& captchaId)
{
    return m_sql.exec("UPDATE captchas SET used = 1 WHERE device_id = $1 AND captcha_id = $2 AND used = 0",
                      {deviceId, captchaId})
               .affected
           == 1;
}

std::optional<int64_t> AccountStore::lastCodeSentAt(const std::string& account)
{
    const SqlResult result = m_sql.exec("SELECT MAX(created_at) FROM verification_codes WHERE account = $1",
                                        {account});
    if (result.rows.empty() || result.rows[0].isNull(0))
        return std::nullopt;
    return result.rows[0].integer(0);
}

void AccountStore::putCode(const std::string& account, const std::string& purpose, const std::string& deviceId,
                           const std::string& captchaId, const std::string& code, int64_t now, int64_t expiresAt)
{
    m_sql.exec("INSERT INTO verification_codes "
               "(account, purpose, device_id, captcha_id, code, created_at, expires_at) "
               "VALUES ($1, $2, $3, $4, $5, $6, $7) "
               "ON CONFLICT (account, purpose, device_id) DO UPDATE SET captcha_id = excluded.captcha_id, "
               "code = excluded.code, created_at = excluded.created_at, "
               "expires_at = excluded.expires_at, failed_tries = 0",
               {account, purpose, deviceId, captchaId, code, now, expiresAt});
}

std::optional<StoredCode> AccountStore::code(const std::string& account, const std::string& purpose,
                                             const std::string& deviceId)
{
    const SqlResult result = m_sql.exec(
        "SELECT captcha_id, code, expires_at, failed_tries FROM verification_codes "
        "WHERE account = $1 AND purpose = $2 AND device_id = $3",
        {account, purpose, deviceId});
    if (result.rows.empty())
        return std::nullopt;
    const SqlRow& row = result.rows[0];
    return StoredCode{row.text(0), row.text(1), row.integer(2), row.integer(3)};
}

int64_t AccountStore::countCodeFailure(const std::string& account, const std::string& purpose,
                                       const std::string& deviceId)
{
    const SqlResult result = m_sql.exec(
        "UPDATE verification_codes SET failed_tries = failed_tries + 1 "
        "WHERE account = $1 AND purpose = $2 AND device_id = $3 RETURNING failed_tries",
        {account, purpose, deviceId});
    return result.rows.empty() ? 0 : result.rows[0].integer(0);
}

bool AccountStore::takeCode(const std::string& account, const std::string& purpose, const std::string& deviceId,
                            const std::string& code, const std::string& captchaId, int64_t now, int64_t maxTries)
{
    return m_sql.exec("DELETE FROM verification_codes WHERE account = $1 AND purpose = $2 AND device_id = $3 "
                      "AND code = $4 AND captcha_id = $5 AND expires_at > $6 AND failed_tries < $7",
                      {account, purpose, deviceId, code, captchaId, now, maxTries})
               .affected
           == 1;
}

void AccountStore::dropCode(const std::string& account, const std::string& purpose, const std::string& deviceId,
                            const std::string& code)
{
    m_sql.exec("DELETE FROM verification_codes WHERE account = $1 AND purpose = $2 AND device_id = $3 AND code = $4",
               {account, purpose, deviceId, code});
}

void AccountStore::addToOutbox(const OutboxEntry& entry)
{
    m_sql.exec("INSERT INTO outbox (channel, recipient, purpose, code, created_at) VALUES ($1, $2, $3, $4, $5)",
               {entry.channel, entry.recipient, entry.purpose, entry.code, entry.createdAt});
}

std::optional<OutboxEntry> AccountStore::latestOutboxEntry(const std::string& recipient)
{
    const SqlResult result = m_sql.exec(
        "SELECT channel, recipient, purpose, code, created_at FROM outbox WHERE recipient = $1 "
        "ORDER BY id DESC LIMIT 1",
        {recipient});
    if (result.rows.empty())
        return std::nullopt;
    const SqlRow& row = result.rows[0];
    return OutboxEntry{row.text(0), row.text(1), row.text(2), row.text(3), row.integer(4)};
}

std::optional<StoredAccount> AccountStore::account(const std::string& account)
{
    const SqlResult result = m_sql.exec(std::string("SELECT ") + kAccountColumns + " FROM accounts WHERE account = $1",
                                        {account});
    if (result.rows.empty())
        return std::nullopt;
    return accountFrom(result.rows[0]);
}

int64_t AccountStore::createAccount(const std::string& account, const std::string& kind,
                                    const std::string& passwordHash, const std::string& nickname, int64_t now)
{
    const SqlResult result = m_sql.exec(
        "INSERT INTO accounts (account, kind, password_hash, nickname, created_at, password_changed_at) "
        "VALUES ($1, $2, $3, $4, $5, $5) RETURNING id",
        {account, kind, passwordHash, nickname, now});
    if (result.rows.empty())
        throw StoreError(StoreError::Kind::Failed, "the new account has no id");
    return result.rows[0].integer(0);
}

bool AccountStore::setPasswordHash(int64_t accountId, const std::string& passwordHash, int64_t now)
{
    return m_sql.exec("UPDATE accounts SET password_hash = $2, password_changed_at = $3 WHERE id = $1",
                      {accountId, passwordHash, now})
               .affected
           == 1;
}

void AccountStore::replacePasswordHash(int64_t accountId, const std::string& oldHash, const std::string& newHash)
{
    m_sql.exec("UPDATE accounts SET password_hash = $3 WHERE id = $1 AND password_hash = $2",
               {accountId, oldHash, newHash});
}

void AccountStore::addLoginKey(const std::string& keyHash, int64_t accountId, const std::string& deviceId,
                               int64_t now, int64_t expiresAt)
{
    m_sql.exec("INSERT INTO login_keys (key_hash, account_id, device_id, created_at, expires_at) "
               "VALUES ($1, $2, $3, $4, $5)",
               {keyHash, accountId, deviceId, now, expiresAt});
}

std::optional<StoredAccount> AccountStore::accountForLoginKey(const std::string& keyHash, int64_t now)
{
    const SqlResult result = m_sql.exec(
        "SELECT a.id, a.account, a.kind, a.password_hash, a.nickname FROM login_keys k "
        "JOIN accounts a ON a.id = k.account_id WHERE k.key_hash = $1 AND k.expires_at > $2",
        {keyHash, now});
    if (result.rows.empty())
        return std::nullopt;
    return accountFrom(result.rows[0]);
}

void AccountStore::dropLoginKeys(int64_t accountId)
{
    m_sql.exec("DELETE FROM login_keys WHERE account_id = $1", {accountId});
}

std::optional<StoredFailures> AccountStore::failures(const std::string& subject)
{
    const SqlResult result = m_sql.exec(
        "SELECT failures, last_failure_at FROM signin_failures WHERE subject = $1", {subject});
    if (result.rows.empty())
        return std::nullopt;
    return StoredFailures{result.rows[0].integer(0), result.rows[0].integer(1)};
}

void AccountStore::recordFailure(const std::string& subject, int64_t now, int64_t windowStart)
{
    m_sql.exec("INSERT INTO signin_failures (subject, failures, last_failure_at) VALUES ($1, 1, $2) "
               "ON CONFLICT (subject) DO UPDATE SET failures = CASE "
               "WHEN signin_failures.last_failure_at < $3 THEN 1 ELSE signin_failures.failures + 1 END, "
               "last_failure_at = excluded.last_failure_at",
               {subject, now, windowStart});
}

void AccountStore::clearFailures(const std::string& subject)
{
    m_sql.exec("DELETE FROM signin_failures WHERE subject = $1", {subject});
}

void AccountStore::addQrLogin(const std::string& guid, const std::string& deviceId, int64_t expiresAt)
{
    m_sql.exec("INSERT INTO qr_logins (guid, device_id, expires_at) VALUES ($1, $2, $3)",
               {guid, deviceId, expiresAt});
}

std::optional<StoredQrLogin> AccountStore::qrLogin(const std::string& guid)
{
    const SqlResult result = m_sql.exec(
        "SELECT device_id, expires_at, account_id, collected FROM qr_logins WHERE guid = $1", {guid});
    if (result.rows.empty())
        return std::nullopt;
    const SqlRow& row = result.rows[0];
    return StoredQrLogin{row.text(0), row.integer(1), row.integer(2), row.integer(3) != 0};
}

bool AccountStore::confirmQrLogin(const std::string& guid, int64_t accountId, int64_t now)
{
    return m_sql.exec("UPDATE qr_logins SET account_id = $2 WHERE guid = $1 AND account_id IS NULL "
                      "AND expires_at > $3",
                      {guid, accountId, now})
               .affected
           == 1;
}

bool AccountStore::collectQrLogin(const std::string& guid, const std::string& deviceId)
{
    return m_sql.exec("UPDATE qr_logins SET collected = 1 WHERE guid = $1 AND device_id = $2 "
                      "AND collected = 0 AND account_id IS NOT NULL",
                      {guid, deviceId})
               .affected
           == 1;
}

void AccountStore::prune(int64_t now, int64_t failuresBefore, int64_t outboxBefore)
{
    m_sql.exec("DELETE FROM captchas WHERE expires_at <= $1", {now});
    m_sql.exec("DELETE FROM verification_codes WHERE expires_at <= $1", {now});
    m_sql.exec("DELETE FROM login_keys WHERE expires_at <= $1", {now});
    m_sql.exec("DELETE FROM qr_logins WHERE expires_at <= $1", {now});
    m_sql.exec("DELETE FROM signin_failures WHERE last_failure_at <= $1", {failuresBefore});
    m_sql.exec("DELETE FROM outbox WHERE created_at <= $1", {outboxBefore});
}
