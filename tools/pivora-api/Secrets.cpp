#include "Secrets.h"

#include <sodium.h>

#include <vector>

namespace secrets {

bool initialise()
{
    return sodium_init() >= 0;
}

std::string randomHex(size_t bytes)
{
    std::vector<unsigned char> raw(bytes);
    randombytes_buf(raw.data(), raw.size());
    std::string hex(bytes * 2 + 1, '\0');
    sodium_bin2hex(hex.data(), hex.size(), raw.data(), raw.size());
    hex.pop_back();
    sodium_memzero(raw.data(), raw.size());
    return hex;
}

std::string randomDigits(size_t count)
{
    std::string digits;
    digits.reserve(count);
    for (size_t i = 0; i < count; ++i)
        digits.push_back(char('0' + randombytes_uniform(10)));
    return digits;
}

std::string sha256Hex(const std::string& text)
{
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(text.data()), text.size());
    char hex[crypto_hash_sha256_BYTES * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

bool sameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && sodium_memcmp(a.data(), b.data(), a.size()) == 0;
}

} // namespace secrets

PasswordCost PasswordCost::interactive()
{
    return {crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE};
}

PasswordCost PasswordCost::cheapest()
{
    return {crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN};
}

// Holds one of the hasher's places for the time of one hash.
class PasswordHasher::Slot {
public:
    explicit Slot(PasswordHasher& hasher) : m_hasher(hasher)
    {
        std::unique_lock<std::mutex> lock(m_hasher.m_mutex);
        m_hasher.m_free.wait(lock, [this] { return m_hasher.m_busy < m_hasher.m_concurrency; });
        ++m_hasher.m_busy;
    }
    ~Slot()
    {
        {
            std::lock_guard<std::mutex> lock(m_hasher.m_mutex);
            --m_hasher.m_busy;
        }
        m_hasher.m_free.notify_one();
    }
private:
    PasswordHasher& m_hasher;
};

PasswordHasher::PasswordHasher(PasswordCost cost, unsigned concurrency)
    : m_cost(cost)
    , m_concurrency(concurrency > 0 ? concurrency : 1)
{
    m_dummyHash = hash(secrets::randomHex(16)).value_or(std::string());
}

std::optional<std::string> PasswordHasher::hash(const std::string& password)
{
    Slot slot(*this);
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, password.data(), password.size(), m_cost.opsLimit,
                              m_cost.memLimitBytes, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return std::nullopt;
    return std::string(out);
}

bool PasswordHasher::verify(const std::string& storedHash, const std::string& password)
{
    Slot slot(*this);
    return crypto_pwhash_str_verify(storedHash.c_str(), password.data(), password.size()) == 0;
}

bool PasswordHasher::needsRehash(const std::string& storedHash) const
{
    return crypto_pwhash_str_needs_rehash(storedHash.c_str(), m_cost.opsLimit, m_cost.memLimitBytes) != 0;
}

void PasswordHasher::spendVerifyTime(const std::string& password)
{
    if (!m_dummyHash.empty())
        verify(m_dummyHash, password);
}
