#pragma once

#include <atomic>
#include <cstdint>
#include <string>

// The service's time in whole seconds since the epoch. Every expiry and throttling rule reads
// it here, so tests move time forward instead of waiting: in process with advance(), and for a
// running service through an offset file (the test-only --clock-file option).
class Clock {
public:
    Clock() = default;
    explicit Clock(std::string offsetFile) : m_offsetFile(std::move(offsetFile)) {}

    int64_t now() const;
    void advance(int64_t seconds) { m_offset += seconds; }

private:
    int64_t fileOffset() const;

    std::atomic<int64_t> m_offset{0};
    std::string m_offsetFile;
};
