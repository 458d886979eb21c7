#pragma once
// Passwords, login keys and random values, all through libsodium.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace secrets {

// False when libsodium cannot start (no randomness source).
bool initialise();

std::string randomHex(size_t bytes);
// count decimal digits, each uniformly drawn.
std::string randomDigits(size_t count);
std::string sha256Hex(const std::string& text);
// Compares in time that depends only on the lengths.
bool sameText(const std::string& a, const std::string& b);

} // namespace secrets

struct PasswordCost {
    uint64_t opsLimit;
    size_t memLimitBytes;
    static PasswordCost interactive();
    static PasswordCost cheapest(); // for tests and fuzzing only
};

// Argon2id password hashes in libsodium's self-describing string form, so hashes made with an
// older cost still verify. At most `concurrency` hashes are computed at once: each holds its
// whole memory cost.
class PasswordHasher {
public:
    PasswordHasher(PasswordCost cost, unsigned concurrency);

    // Empty when the memory for the hash cannot be had.
    std::optional<std::string> hash(const std::string& password);
    bool verify(const std::string& storedHash, const std::string& password);
    bool needsRehash(const std::string& storedHash) const;
    // Takes as long as a verification, for accounts that do not exist.
    void spendVerifyTime(const std::string& password);

private:
    class Slot;

    PasswordCost m_cost;
    unsigned m_concurrency;
    unsigned m_busy = 0;
    std::mutex m_mutex;
    std::condition_variable m_free;
    std::string m_dummyHash;
};
