#include "AccountService.h"

#include "CaptchaImage.h"
#include "Clock.h"
#include "Console.h"
#include "Database.h"
#include "Mailer.h"
#include "Secrets.h"

#include <sodium.h>

#include <algorithm>
#include <cstring>

namespace {

const char kQuickLogin[] = "quicklogin";
const char kRegister[] = "register";
const char kGetPassword[] = "getpassword";

// Thrown inside a transaction to undo what it did so far and answer with the refusal.
struct Refusal {
    Outcome outcome;
};

bool knownPurpose(const std::string& purpose)
{
    return purpose == kQuickLogin || purpose == kRegister || purpose == kGetPassword;
}

Msg invalidAccount(AccountKind kind)
{
    return kind == AccountKind::Email ? Msg::InvalidEmail : Msg::InvalidPhone;
}

std::string accountSubject(const AccountName& account)
{
    return "account:" + account.text;
}

std::string deviceSubject(const std::string& deviceId)
{
    return "device:" + deviceId;
}

// People type codes with spaces ("123 456").
std::string withoutSpaces(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

std::string base64(const std::string& bytes)
{
    std::string out(sodium_base64_encoded_len(bytes.size(), sodium_base64_VARIANT_ORIGINAL), '\0');
    sodium_bin2base64(out.data(), out.size(), reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(),
                      sodium_base64_VARIANT_ORIGINAL);
    out.resize(std::strlen(out.c_str()));
    return out;
}

bool isLoginKeyShape(const std::string& key)
{
    return key.size() == 64 && std::all_of(key.begin(), key.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

} // namespace

AccountService::AccountService(Database& database, const Clock& clock, PasswordHasher& hasher,
                               const Mailer& mailer, Console& console, AccountRules rules)
    : m_database(database)
    , m_clock(clock)
    , m_hasher(hasher)
    , m_mailer(mailer)
    , m_console(console)
    , m_rules(rules)
{
}

Outcome AccountService::issueCaptcha(const std::string& deviceId, int digits, int width, int height)
{
    digits = std::clamp(digits, CaptchaSize::kMinDigits, CaptchaSize::kMaxDigits);
    const std::string answer = secrets::randomDigits(size_t(digits));
    const std::string png = drawCaptchaPng(answer, width, height);
    const int64_t now = m_clock.now();
    const std::string captchaId = secrets::randomHex(16);
    m_database.write([&](SqlConnection& connection) {
        AccountStore(connection).putCaptcha(deviceId, captchaId, answer, now + m_rules.captchaLifetime);
    });
    m_console.captchaIssued(answer, deviceId);
    return Outcome::success({{"image", base64(png)}});
}

AccountService::FlowCheck AccountService::checkCaptcha(AccountStore& store, const std::string& deviceId,
                                                       const std::string& imageCode, int64_t now,
                                                       StoredCaptcha* captcha)
{
    const std::optional<StoredCaptcha> stored = store.captcha(deviceId);
    if (!stored || stored->used || stored->failedTries >= m_rules.captchaMaxTries)
        return {Outcome::refused(Msg::CaptchaExpired), {}};
    // A captcha that serves a flow lives as long as the flow's code: that is what expired.
    if (stored->expiresAt <= now)
        return {Outcome::refused(stored->flowAccount.empty() ? Msg::CaptchaExpired : Msg::CodeExpired), {}};
    if (!secrets::sameText(withoutSpaces(imageCode), stored->answer)) {
        store.countCaptchaFailure(deviceId, stored->captchaId);
        return {Outcome::refused(Msg::CaptchaWrong), {}};
    }
    *captcha = *stored;
    return {Outcome::success(), stored->captchaId};
}

Outcome AccountService::sendCode(const std::string& deviceId, Language language, AccountKind kind,
                                 const std::string& account, const std::string& imageCode,
                                 const std::string& verifyType)
{
    if (!knownPurpose(verifyType))
        return Outcome::refused(Msg::InvalidVerifyType);
    const std::optional<AccountName> name = accountOfKind(kind, account);
    if (!name)
        return Outcome::refused(invalidAccount(kind));
    const int64_t now = m_clock.now();
    const std::string code = secrets::randomDigits(6);
    const bool byMail = kind == AccountKind::Email && m_mailer.enabled();

    const Outcome stored = m_database.write([&](SqlConnection& connection) -> Outcome {
        AccountStore store(connection);
        StoredCaptcha captcha;
        const FlowCheck check = checkCaptcha(store, deviceId, imageCode, now, &captcha);
        if (!check.refusal.ok())
            return check.refusal;
        // A captcha serves one flow: asking again for the same one is a resend.
        if (!captcha.flowAccount.empty() && (captcha.flowAccount != name->text || captcha.flowPurpose != verifyType))
            return Outcome::refused(Msg::CaptchaUsed);
        const bool exists = store.account(name->text).has_value();
        if (verifyType == std::string(kRegister) && exists)
            return Outcome::refused(Msg::AccountExists);
        if (verifyType != std::string(kRegister) && !exists)
            return Outcome::refused(Msg::AccountMissing);
        const std::optional<int64_t> last = store.lastCodeSentAt(name->text);
        if (last && now - *last < m_rules.codeResendInterval)
            return Outcome::refused(Msg::CodeTooSoon, std::to_string(m_rules.codeResendInterval - (now - *last)));
        const int64_t expiresAt = now + m_rules.codeLifetime;
        if (!store.bindCaptcha(deviceId, check.captchaId, name->text, verifyType, expiresAt))
            return Outcome::refused(Msg::CaptchaUsed);
        store.putCode(name->text, verifyType, deviceId, check.captchaId, code, now, expiresAt);
        if (!byMail)
            store.addToOutbox({kindName(kind), name->text, verifyType, code, now});
        return Outcome::success();
    });
    if (!stored.ok())
        return stored;

    if (byMail) {
        std::string error;
        if (!m_mailer.send(name->text, text(Msg::MailSubject, language), text(Msg::MailBody, language, code),
                           &error)) {
            logProblem("the mail relay did not take a verification code: " + error);
            m_database.write([&](SqlConnection& connection) {
                AccountStore(connection).dropCode(name->text, verifyType, deviceId, code);
            });
            return Outcome::refused(Msg::CodeDeliveryFailed);
        }
    }
    m_console.codeSent(name->text, code, verifyType);
    return Outcome::success();
}

AccountService::FlowCheck AccountService::checkFlow(AccountStore& store, const std::string& deviceId,
                                                    const AccountName& account, const std::string& purpose,
                                                    const std::string& imageCode, const std::string& code,
                                                    int64_t now)
{
    StoredCaptcha captcha;
    FlowCheck check = checkCaptcha(store, deviceId, imageCode, now, &captcha);
    if (!check.refusal.ok())
        return check;
    if (captcha.flowAccount.empty()) // no code was asked for with this captcha
        return {Outcome::refused(Msg::CodeExpired), {}};
    if (captcha.flowAccount != account.text || captcha.flowPurpose != purpose)
        return {Outcome::refused(Msg::CaptchaUsed), {}};
    const std::optional<StoredCode> stored = store.code(account.text, purpose, deviceId);
    if (!stored || stored->captchaId != captcha.captchaId || stored->expiresAt <= now)
        return {Outcome::refused(Msg::CodeExpired), {}};
    if (stored->failedTries >= m_rules.codeMaxTries)
        return {Outcome::refused(Msg::CodeTooManyTries), {}};
    if (!secrets::sameText(withoutSpaces(code), stored->code)) {
        const int64_t tries = store.countCodeFailure(account.text, purpose, deviceId);
        return {Outcome::refused(tries >= m_rules.codeMaxTries ? Msg::CodeTooManyTries : Msg::CodeWrong), {}};
    }
    return check;
}

void AccountService::takeFlow(AccountStore& store, const std::string& deviceId, const AccountName& account,
                              const std::string& purpose, const std::string& code, const std::string& captchaId,
                              int64_t now)
{
    if (!store.takeCode(account.text, purpose, deviceId, withoutSpaces(code), captchaId, now, m_rules.codeMaxTries))
        throw Refusal{Outcome::refused(Msg::CodeExpired)};
    if (!store.useCaptcha(deviceId, captchaId))
        throw Refusal{Outcome::refused(Msg::CaptchaExpired)};
}

std::string AccountService::issueLoginKey(AccountStore& store, int64_t accountId, const std::string& deviceId,
                                          int64_t now)
{
    const std::string key = secrets::randomHex(32);
    store.addLoginKey(secrets::sha256Hex(key), accountId, deviceId, now, now + m_rules.loginKeyLifetime);
    return key;
}

Outcome AccountService::finishWithPassword(const std::string& deviceId, AccountKind kind, const std::string& account,
                                           const std::string& password, const std::string& imageCode,
                                           const std::string& code, const char* purpose, const PasswordChange& apply)
{
    const std::optional<AccountName> name = accountOfKind(kind, account);
    if (!name)
        return Outcome::refused(invalidAccount(kind));
    if (!acceptablePassword(password))
        return Outcome::refused(Msg::InvalidPassword);
    const FlowCheck check = m_database.write([&](SqlConnection& connection) {
        AccountStore store(connection);
        return checkFlow(store, deviceId, *name, purpose, imageCode, code, m_clock.now());
    });
    if (!check.refusal.ok())
        return check.refusal;
    const std::optional<std::string> hash = m_hasher.hash(password);
    if (!hash)
        return Outcome::httpError(503, Msg::Busy);
    try {
        return m_database.write([&](SqlConnection& connection) {
            AccountStore store(connection);
            const int64_t now = m_clock.now();
            takeFlow(store, deviceId, *name, purpose, code, check.captchaId, now);
            return apply(store, *name, *hash, now);
        });
    } catch (const Refusal& refusal) {
        return refusal.outcome;
    }
}

Outcome AccountService::signUp(const std::string& deviceId, AccountKind kind, const std::string& account,
                               const std::string& password, const std::string& imageCode, const std::string& code)
{
    try {
        return finishWithPassword(
            deviceId, kind, account, password, imageCode, code, kRegister,
            [&](AccountStore& store, const AccountName& name, const std::string& hash, int64_t now) {
                if (store.account(name.text))
                    throw Refusal{Outcome::refused(Msg::AccountExists)};
                const int64_t id = store.createAccount(name.text, kindName(kind), hash, defaultNickname(name), now);
                return Outcome::success({{"loginkey", issueLoginKey(store, id, deviceId, now)}});
            });
    } catch (const StoreError& error) {
        if (error.kind() == StoreError::Kind::Conflict) // another sign-up of the name won the race
            return Outcome::refused(Msg::AccountExists);
        throw;
    }
}

Outcome AccountService::resetPassword(const std::string& deviceId, AccountKind kind, const std::string& account,
                                      const std::string& password, const std::string& imageCode,
                                      const std::string& code)
{
    return finishWithPassword(
        deviceId, kind, account, password, imageCode, code, kGetPassword,
        [&](AccountStore& store, const AccountName& name, const std::string& hash, int64_t now) {
            const std::optional<StoredAccount> stored = store.account(name.text);
            if (!stored)
                throw Refusal{Outcome::refused(Msg::AccountMissing)};
            store.setPasswordHash(stored->id, hash, now);
            // Whoever knew the old password is signed out everywhere.
            store.dropLoginKeys(stored->id);
            store.clearFailures(accountSubject(name));
            return Outcome::success();
        });
}

Outcome AccountService::signInByCode(const std::string& deviceId, const std::string& account,
                                     const std::string& imageCode, const std::string& code)
{
    const std::optional<AccountName> name = anyAccount(account);
    if (!name)
        return Outcome::refused(Msg::InvalidAccount);
    try {
        return m_database.write([&](SqlConnection& connection) {
            AccountStore store(connection);
            const int64_t now = m_clock.now();
            const FlowCheck check = checkFlow(store, deviceId, *name, kQuickLogin, imageCode, code, now);
            if (!check.refusal.ok())
                return check.refusal; // the counted failure is kept
            takeFlow(store, deviceId, *name, kQuickLogin, code, check.captchaId, now);
            const std::optional<StoredAccount> stored = store.account(name->text);
            if (!stored)
                throw Refusal{Outcome::refused(Msg::AccountMissing)};
            store.clearFailures(accountSubject(*name));
            return Outcome::success({{"loginkey", issueLoginKey(store, stored->id, deviceId, now)}});
        });
    } catch (const Refusal& refusal) {
        return refusal.outcome;
    }
}

Outcome AccountService::throttled(const AccountName& account, const std::string& deviceId, int64_t now)
{
    const auto counts = m_database.read([&](SqlConnection& connection) {
        AccountStore store(connection);
        return std::make_pair(store.failures(accountSubject(account)), store.failures(deviceSubject(deviceId)));
    });
    const Outcome byAccount = judgeFailures(m_rules.accountThrottle, counts.first, now);
    if (!byAccount.ok())
        return byAccount;
    return judgeFailures(m_rules.deviceThrottle, counts.second, now);
}

AccountService::PasswordCheck AccountService::checkPassword(const AccountName& account, const std::string& password,
                                                            const std::string& deviceId)
{
    const Outcome gate = throttled(account, deviceId, m_clock.now());
    if (!gate.ok())
        return {gate, {}};
    const std::optional<StoredAccount> stored = m_database.read(
        [&](SqlConnection& connection) { return AccountStore(connection).account(account.text); });
    bool matches = false;
    if (stored)
        matches = m_hasher.verify(stored->passwordHash, password);
    else
        m_hasher.spendVerifyTime(password); // unknown and known names take the same time
    if (matches)
        return {Outcome::success(), *stored};

    const int64_t now = m_clock.now();
    m_database.write([&](SqlConnection& connection) {
        AccountStore store(connection);
        store.recordFailure(accountSubject(account), now, now - m_rules.accountThrottle.lockSeconds);
        store.recordFailure(deviceSubject(deviceId), now, now - m_rules.deviceThrottle.lockSeconds);
    });
    // Say so at once when this failure locked signing in.
    const Outcome after = throttled(account, deviceId, now);
    return {after.code == api::kLocked ? after : Outcome::refused(Msg::BadCredentials), {}};
}

void AccountService::upgradeHash(const StoredAccount& account, const std::string& password)
{
    if (!m_hasher.needsRehash(account.passwordHash))
        return;
    const std::optional<std::string> hash = m_hasher.hash(password);
    if (!hash)
        return;
    m_database.write([&](SqlConnection& connection) {
        AccountStore(connection).replacePasswordHash(account.id, account.passwordHash, *hash);
    });
}

Outcome AccountService::signIn(const std::string& deviceId, AccountKind kind, const std::string& account,
                               const std::string& password)
{
    const std::optional<AccountName> name = accountOfKind(kind, account);
    if (!name)
        return Outcome::refused(invalidAccount(kind));
    const PasswordCheck check = checkPassword(*name, password, deviceId);
    if (!check.refusal.ok())
        return check.refusal;
    upgradeHash(check.account, password);
    const std::string key = m_database.write([&](SqlConnection& connection) {
        AccountStore store(connection);
        store.clearFailures(accountSubject(*name));
        return issueLoginKey(store, check.account.id, deviceId, m_clock.now());
    });
    return Outcome::success({{"loginkey", key}});
}

Outcome AccountService::profile(const std::string& loginKey)
{
    if (!isLoginKeyShape(loginKey))
        return Outcome::refused(Msg::SignInAgain);
    const int64_t now = m_clock.now();
    const std::optional<StoredAccount> stored = m_database.read([&](SqlConnection& connection) {
        return AccountStore(connection).accountForLoginKey(secrets::sha256Hex(loginKey), now);
    });
    if (!stored)
        return Outcome::refused(Msg::SignInAgain);
    const bool phone = stored->kind == kindName(AccountKind::Phone);
    return Outcome::success({{"mNickname", stored->nickname},
                             {"mPhone", phone ? stored->account : std::string()},
                             {"mEmail", phone ? std::string() : stored->account},
                             {"mAccount", stored->account}});
}

Outcome AccountService::startQrLogin(const std::string& deviceId, const std::string& pageAddress)
{
    const std::string guid = secrets::randomHex(16);
    const int64_t expiresAt = m_clock.now() + m_rules.qrLifetime;
    m_database.write([&](SqlConnection& connection) {
        AccountStore(connection).addQrLogin(guid, deviceId, expiresAt);
    });
    return Outcome::success({{"guid", guid}, {"url", pageAddress + "?guid=" + guid}});
}

Outcome AccountService::pollQrLogin(const std::string& deviceId, const std::string& guid)
{
    const int64_t now = m_clock.now();
    // Polled every second: only a confirmed sign-in opens a write transaction.
    const std::optional<StoredQrLogin> qr = m_database.read(
        [&](SqlConnection& connection) { return AccountStore(connection).qrLogin(guid); });
    if (!qr || qr->deviceId != deviceId || qr->expiresAt <= now || qr->collected)
        return Outcome::refused(Msg::QrExpired);
    if (qr->accountId == 0)
        return Outcome::refused(Msg::QrPending);
    return m_database.write([&](SqlConnection& connection) {
        AccountStore store(connection);
        if (!store.collectQrLogin(guid, deviceId))
            return Outcome::refused(Msg::QrExpired);
        return Outcome::success({{"loginkey", issueLoginKey(store, qr->accountId, deviceId, now)}});
    });
}

Outcome AccountService::confirmQrLogin(const std::string& guid, const std::string& account,
                                       const std::string& password)
{
    const std::optional<StoredQrLogin> qr = m_database.read(
        [&](SqlConnection& connection) { return AccountStore(connection).qrLogin(guid); });
    if (!qr || qr->expiresAt <= m_clock.now() || qr->accountId != 0)
        return Outcome::refused(Msg::QrExpired);
    const std::optional<AccountName> name = anyAccount(account);
    if (!name)
        return Outcome::refused(Msg::InvalidAccount);
    // The browser has no device id of its own; the program that waits for it does.
    const PasswordCheck check = checkPassword(*name, password, qr->deviceId);
    if (!check.refusal.ok())
        return check.refusal;
    return m_database.write([&](SqlConnection& connection) {
        AccountStore store(connection);
        if (!store.confirmQrLogin(guid, check.account.id, m_clock.now()))
            return Outcome::refused(Msg::QrExpired);
        store.clearFailures(accountSubject(*name));
        return Outcome::success();
    });
}

QrPageState AccountService::qrPageState(const std::string& guid)
{
    const std::optional<StoredQrLogin> qr = m_database.read(
        [&](SqlConnection& connection) { return AccountStore(connection).qrLogin(guid); });
    if (!qr || qr->expiresAt <= m_clock.now())
        return QrPageState::Expired;
    return qr->accountId != 0 ? QrPageState::Confirmed : QrPageState::Pending;
}

void AccountService::prune()
{
    const int64_t now = m_clock.now();
    const int64_t longestLock = std::max(m_rules.accountThrottle.lockSeconds, m_rules.deviceThrottle.lockSeconds);
    m_database.write([&](SqlConnection& connection) {
        AccountStore(connection).prune(now, now - longestLock, now - m_rules.outboxKeep);
    });
}
