#include "PvoLog.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {
std::atomic<PvoAudioLogCallback> g_logCallback{nullptr};
constexpr auto kThrottleInterval = std::chrono::seconds(1);
}

void pvoSetLogCallback(PvoAudioLogCallback callback)
{
    g_logCallback.store(callback);
}

void pvoLog(const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (PvoAudioLogCallback callback = g_logCallback.load())
        callback(line);
    else
        fprintf(stderr, "pivoraaudio: %s\n", line);
}

bool PvoLogThrottle::add(uint64_t count)
{
    m_pending += count;
    m_total += count;
    const auto now = std::chrono::steady_clock::now();
    if (m_logged && now - m_last < kThrottleInterval)
        return false;
    m_logged = true;
    m_last = now;
    return true;
}
