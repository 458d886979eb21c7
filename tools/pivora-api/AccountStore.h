#pragma once
// The account service's tables, read and written through one connection (usually inside a
// transaction of the caller). The same statements serve SQLite and PostgreSQL.

#include "SqlConnection.h"

#include <cstdint>
#include <optional>
#include <string>

struct StoredAccount {
    int64_t id = 0;
    std::string account;
    std::string kind;
    std::string passwordHash;
    std::string nickname;
};

struct StoredCaptcha {
    std::string captchaId;
    std::string answer;
    int64_t expiresAt = 0;
    int64_t failedTries = 0;
    std::string flowAccount; // empty until a code is requested with it
    std::string flowPurpose;
    bool used = false;
};

struct StoredCode {
    std::string captchaId;
    std::string code;
    int64_t expiresAt = 0;
    int64_t failedTries = 0;
};

struct StoredFailures {
    int64_t failures = 0;
    int64_t lastFailureAt = 0;
};

struct StoredQrLogin {
    std::string deviceId;
    int64_t expiresAt = 0;
    int64_t accountId = 0; // 0 until confirmed
    bool collected = false;
};

struct OutboxEntry {
    std::string channel;
    std::string recipient;
    std::string purpose;
    std::string code;
    int64_t createdAt = 0;
};

class AccountStore {
public:
    explicit AccountStore(SqlConnection& connection) : m_sql(connection) {}

    void putCaptcha(const std::string& deviceId, const std::string& captchaId,
                    const std::string& answer, int64_t expiresAt);
    std::optional<StoredCaptcha> captcha(const std::string& deviceId);
    void countCaptchaFailure(const std::string& deviceId, const std::string& captchaId);
    // Ties the captcha to one account and purpose, for as long as the flow's code lives;
    // false when it already serves another.
    bool bindCaptcha(const std::string& deviceId, const std::string& captchaId,
                     const std::string& account, const std::string& purpose, int64_t expiresAt);
    // False when it was used already (by a request that won a race).
    bool useCaptcha(const std::string& deviceId, const std::string& captchaId);

    std::optional<int64_t> lastCodeSentAt(const std::string& account);
    void putCode(const std::string& account, const std::string& purpose, const std::string& deviceId,
                 const std::string& captchaId, const std::string& code, int64_t now, int64_t expiresAt);
    std::optional<StoredCode> code(const std::string& account, const std::string& purpose,
                                   const std::string& deviceId);
    // The tries counted so far, this one included.
    int64_t countCodeFailure(const std::string& account, const std::string& purpose,
                             const std::string& deviceId);
    // Deletes the code when it is still exactly as checked: true for the one request that
    // may go on with it.
    bool takeCode(const std::string& account, const std::string& purpose, const std::string& deviceId,
                  const std::string& code, const std::string& captchaId, int64_t now, int64_t maxTries);
    void dropCode(const std::string& account, const std::string& purpose, const std::string& deviceId,
                  const std::string& code);

    void addToOutbox(const OutboxEntry& entry);
    std::optional<OutboxEntry> latestOutboxEntry(const std::string& recipient);

    std::optional<StoredAccount> account(const std::string& account);
    // Throws StoreError Conflict when the name is taken.
    int64_t createAccount(const std::string& account, const std::string& kind, const std::string& passwordHash,
                          const std::string& nickname, int64_t now);
    bool setPasswordHash(int64_t accountId, const std::string& passwordHash, int64_t now);
    // For a rehash with a newer cost: only while nobody changed the password meanwhile.
    void replacePasswordHash(int64_t accountId, const std::string& oldHash, const std::string& newHash);

    void addLoginKey(const std::string& keyHash, int64_t accountId, const std::string& deviceId,
                     int64_t now, int64_t expiresAt);
    std::optional<StoredAccount> accountForLoginKey(const std::string& keyHash, int64_t now);
    void dropLoginKeys(int64_t accountId);

    std::optional<StoredFailures> failures(const std::string& subject);
    // Counts one failure; a count whose last failure is older than windowStart starts again.
    void recordFailure(const std::string& subject, int64_t now, int64_t windowStart);
    void clearFailures(const std::string& subject);

    void addQrLogin(const std::string& guid, const std::string& deviceId, int64_t expiresAt);
    std::optional<StoredQrLogin> qrLogin(const std::string& guid);
    bool confirmQrLogin(const std::string& guid, int64_t accountId, int64_t now);
    bool collectQrLogin(const std::string& guid, const std::string& deviceId);

    // Forgets what has expired.
    void prune(int64_t now, int64_t failuresBefore, int64_t outboxBefore);

private:
    SqlConnection& m_sql;
};
