#include "scairplay/SCReceiverAccess.h"

#include "libs/castcore/CastProtocol.h"

#include <QtGlobal>

#include <algorithm>
#include <random>

constexpr std::chrono::seconds SCReceiverAccess::kLockout;

namespace {

// Compares without stopping at the first difference, so timing tells nothing about the code.
bool sameCode(const std::string& a, const std::string& b)
{
    unsigned char diff = a.size() == b.size() ? 0 : 1;
    const std::string& longer = a.size() >= b.size() ? a : b;
    for (size_t i = 0; i < longer.size(); ++i)
        diff |= static_cast<unsigned char>((i < a.size() ? a[i] : 0) ^ (i < b.size() ? b[i] : 0));
    return diff == 0;
}

} // namespace

SCReceiverAccess::SCReceiverAccess()
    : m_code(newCode())
{
}

SCReceiverAccess::Mode SCReceiverAccess::modeFromText(const std::string& text, bool* known)
{
    if (known)
        *known = true;
    if (text == "open")
        return Mode::Open;
    if (text == "ask")
        return Mode::Ask;
    if (text == "pin")
        return Mode::Pin;
    if (known)
        *known = false;
    return Mode::Open;
}

const char* SCReceiverAccess::modeText(Mode mode)
{
    switch (mode) {
    case Mode::Ask: return "ask";
    case Mode::Pin: return "pin";
    case Mode::Open: break;
    }
    return "open";
}

std::string SCReceiverAccess::newCode()
{
    std::random_device source;
    std::uniform_int_distribution<int> digit(0, 9);
    std::string code;
    for (int i = 0; i < kCodeDigits; ++i)
        code += char('0' + digit(source));
    return code;
}

void SCReceiverAccess::setMode(Mode mode)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_mode = mode;
}

SCReceiverAccess::Mode SCReceiverAccess::mode() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_mode;
}

std::string SCReceiverAccess::code() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_code;
}

void SCReceiverAccess::setCode(const std::string& code)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_code = code;
}

void SCReceiverAccess::setRemembered(const std::vector<std::string>& channelIds)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_remembered = std::set<std::string>(channelIds.begin(), channelIds.end());
    m_remembered.erase(std::string());
}

bool SCReceiverAccess::isRemembered(const std::string& channelId) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_remembered.count(channelId) > 0;
}

void SCReceiverAccess::setAsker(std::function<Answer(const Phone&)> asker)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_asker = std::move(asker);
}

void SCReceiverAccess::setClosed(bool closed)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed = closed;
}

bool SCReceiverAccess::isClosed() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_closed;
}

void SCReceiverAccess::setClock(std::function<Clock::time_point()> clock)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_clock = std::move(clock);
}

SCReceiverAccess::Clock::time_point SCReceiverAccess::now() const
{
    return m_clock ? m_clock() : Clock::now();
}

int SCReceiverAccess::check(const Phone& phone)
{
    switch (mode()) {
    case Mode::Open:
        return cast::Accepted;
    case Mode::Ask:
        return isRemembered(phone.channelId) ? int(cast::Accepted) : kAskUser;
    case Mode::Pin:
        return checkCode(phone);
    }
    return cast::Refused;
}

int SCReceiverAccess::checkCode(const Phone& phone)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    const Clock::time_point t = now();
    forgetOldStrikes(t);
    Strikes& strikes = m_strikes[phone.address];
    strikes.last = t;
    if (strikes.lockedUntil > t) {
        qWarning("Receiver access: %s is locked out after %d wrong codes; \"%s\" refused", phone.address.c_str(),
                 kMaxWrongCodes, phone.phoneName.c_str());
        return cast::LockedOut;
    }
    if (!phone.speaksAccess || phone.code.empty()) {
        qWarning("Receiver access: \"%s\" (%s) came without the access code", phone.phoneName.c_str(),
                 phone.address.c_str());
        return cast::CodeRequired;
    }
    if (sameCode(phone.code, m_code)) {
        m_strikes.erase(phone.address);
        qInfo("Receiver access: \"%s\" (%s) gave the right code", phone.phoneName.c_str(), phone.address.c_str());
        return cast::Accepted;
    }
    if (++strikes.wrong < kMaxWrongCodes) {
        qWarning("Receiver access: wrong code from \"%s\" (%s), %d of %d", phone.phoneName.c_str(),
                 phone.address.c_str(), strikes.wrong, kMaxWrongCodes);
        return cast::WrongCode;
    }
    strikes.wrong = 0;
    strikes.lockedUntil = t + kLockout;
    qWarning("Receiver access: %d wrong codes from %s; refused for %d s", kMaxWrongCodes, phone.address.c_str(),
             int(kLockout.count()));
    return cast::LockedOut;
}

void SCReceiverAccess::forgetOldStrikes(Clock::time_point t)
{
    // Strikes fade after the lockout time; the table never grows past its bound.
    for (auto it = m_strikes.begin(); it != m_strikes.end();) {
        if (it->second.lockedUntil <= t && t - it->second.last > kLockout)
            it = m_strikes.erase(it);
        else
            ++it;
    }
    while (m_strikes.size() >= kMaxTrackedAddresses) {
        auto oldest = std::min_element(m_strikes.begin(), m_strikes.end(), [](const auto& a, const auto& b) {
            return a.second.last < b.second.last;
        });
        m_strikes.erase(oldest);
    }
}

int SCReceiverAccess::decide(const Phone& phone)
{
    std::lock_guard<std::mutex> asking(m_askMutex);
    std::function<Answer(const Phone&)> asker;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // Allowed for good while this phone waited for another one's question.
        if (m_remembered.count(phone.channelId))
            return cast::Accepted;
        if (m_closed || !m_asker) {
            qWarning("Receiver access: nobody can allow \"%s\" (%s) now; refused", phone.phoneName.c_str(),
                     phone.address.c_str());
            return cast::Refused;
        }
        asker = m_asker;
    }
    const Answer answer = asker(phone);
    switch (answer) {
    case Answer::AlwaysAllow: {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_remembered.insert(phone.channelId);
        qInfo("Receiver access: \"%s\" (%s) allowed for good", phone.phoneName.c_str(), phone.address.c_str());
        return cast::Accepted;
    }
    case Answer::Allow:
        qInfo("Receiver access: \"%s\" (%s) allowed this time", phone.phoneName.c_str(), phone.address.c_str());
        return cast::Accepted;
    case Answer::Deny:
        break;
    }
    qInfo("Receiver access: \"%s\" (%s) denied", phone.phoneName.c_str(), phone.address.c_str());
    return cast::Refused;
}
