#pragma once
// The account rules: captcha, verification codes, sign-up, sign-in (password, code and
// browser confirmation), password reset and profiles. Every step that reads and then
// changes shared state does so in one database transaction, so concurrent requests (from
// several service instances too) cannot use one captcha or code twice or create one account
// twice. Slow work (Argon2, mail) never runs while a transaction is open.

#include "AccountNames.h"
#include "AccountStore.h"
#include "Messages.h"
#include "Outcome.h"
#include "SignInThrottle.h"

#include <cstdint>
#include <functional>
#include <string>

class Clock;
class Console;
class Database;
class Mailer;
class PasswordHasher;

struct AccountRules {
    int64_t captchaLifetime = 5 * 60;
    int64_t captchaMaxTries = 5;
    int64_t codeLifetime = 10 * 60;
    int64_t codeMaxTries = 5;
    int64_t codeResendInterval = 60;
    int64_t loginKeyLifetime = 30 * 24 * 3600;
    int64_t qrLifetime = 5 * 60;
    int64_t outboxKeep = 24 * 3600;
    ThrottlePolicy accountThrottle{3, 10, 15 * 60};
    ThrottlePolicy deviceThrottle{5, 20, 15 * 60};
};

enum class QrPageState { Pending, Confirmed, Expired };

class AccountService {
public:
    AccountService(Database& database, const Clock& clock, PasswordHasher& hasher, const Mailer& mailer,
                   Console& console, AccountRules rules = AccountRules());

    // "image": the PNG in base64.
    Outcome issueCaptcha(const std::string& deviceId, int digits, int width, int height);
    // verifyType: "quicklogin", "register" or "getpassword".
    Outcome sendCode(const std::string& deviceId, Language language, AccountKind kind,
                     const std::string& account, const std::string& imageCode, const std::string& verifyType);
    // "loginkey" on success.
    Outcome signIn(const std::string& deviceId, AccountKind kind, const std::string& account,
                   const std::string& password);
    Outcome signInByCode(const std::string& deviceId, const std::string& account,
                         const std::string& imageCode, const std::string& code);
    Outcome signUp(const std::string& deviceId, AccountKind kind, const std::string& account,
                   const std::string& password, const std::string& imageCode, const std::string& code);
    // Ends every sign-in of the account.
    Outcome resetPassword(const std::string& deviceId, AccountKind kind, const std::string& account,
                          const std::string& password, const std::string& imageCode, const std::string& code);
    // "mNickname", "mPhone", "mEmail", "mAccount".
    Outcome profile(const std::string& loginKey);

    // "guid" and "url" (pageAddress with the guid) of a sign-in to confirm in a browser.
    Outcome startQrLogin(const std::string& deviceId, const std::string& pageAddress);
    // "loginkey" once confirmed, to the device that started it, once.
    Outcome pollQrLogin(const std::string& deviceId, const std::string& guid);
    Outcome confirmQrLogin(const std::string& guid, const std::string& account, const std::string& password);
    QrPageState qrPageState(const std::string& guid);

    void prune();
    const AccountRules& rules() const { return m_rules; }

private:
    struct FlowCheck {
        Outcome refusal;
        std::string captchaId;
    };
    struct PasswordCheck {
        Outcome refusal;
        StoredAccount account;
    };

    FlowCheck checkCaptcha(AccountStore& store, const std::string& deviceId, const std::string& imageCode,
                           int64_t now, StoredCaptcha* captcha);
    FlowCheck checkFlow(AccountStore& store, const std::string& deviceId, const AccountName& account,
                        const std::string& purpose, const std::string& imageCode, const std::string& code,
                        int64_t now);
    // Consumes the checked code and captcha, or throws the refusal when another request was
    // first: the step that finishes a flow.
    void takeFlow(AccountStore& store, const std::string& deviceId, const AccountName& account,
                     const std::string& purpose, const std::string& code, const std::string& captchaId,
                     int64_t now);
    using PasswordChange =
        std::function<Outcome(AccountStore& store, const AccountName& account, const std::string& hash, int64_t now)>;
    // Sign-up and reset: checks the flow, hashes the new password outside any transaction,
    // then consumes the flow and applies the change in one.
    Outcome finishWithPassword(const std::string& deviceId, AccountKind kind, const std::string& account,
                               const std::string& password, const std::string& imageCode, const std::string& code,
                               const char* purpose, const PasswordChange& apply);
    PasswordCheck checkPassword(const AccountName& account, const std::string& password,
                                const std::string& deviceId);
    Outcome throttled(const AccountName& account, const std::string& deviceId, int64_t now);
    std::string issueLoginKey(AccountStore& store, int64_t accountId, const std::string& deviceId, int64_t now);
    void upgradeHash(const StoredAccount& account, const std::string& password);

    Database& m_database;
    const Clock& m_clock;
    PasswordHasher& m_hasher;
    const Mailer& m_mailer;
    Console& m_console;
    AccountRules m_rules;
};
