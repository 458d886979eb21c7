#pragma once
// Log lines of the mixer: to the callback set by the program, or to stderr with a fixed prefix.

#include <chrono>
#include <cstdint>

#include "media/pvoaudio.h"

void pvoSetLogCallback(PvoAudioLogCallback callback);
void pvoLog(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Counts repeated events (dropped samples and the like) and says when a summary line is due, so
// a misbehaving sender produces at most one line per interval instead of one per packet.
class PvoLogThrottle {
public:
    // Adds count events; true when a line should be written now (the first event, or the
    // interval has passed since the last line). pending() then holds the count to report.
    bool add(uint64_t count);
    uint64_t pending() const { return m_pending; }
    uint64_t total() const { return m_total; }
    // Clears pending after a line was written.
    void reported() { m_pending = 0; }

private:
    std::chrono::steady_clock::time_point m_last{};
    bool m_logged = false;
    uint64_t m_pending = 0;
    uint64_t m_total = 0;
};
