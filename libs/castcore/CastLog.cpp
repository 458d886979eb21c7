#include "CastLog.h"

#include "libs/common/LibraryLog.h"

#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace {

std::atomic<CastcoreLogFunction> g_logFunction{nullptr};

constexpr auto kLimitWindow = std::chrono::seconds(10);

// What the summary line of each cause says, in Cause order.
const char* const kCauseTexts[] = {
    "connection(s) turned away while too many waited for their HELLO",
    "connection(s) closed without HELLO within 10 s",
    "connection(s) closed by the phone before HELLO",
    "connection(s) closed for a malformed or oversized first frame",
    "phone(s) refused because the receiver serves as many phones as it can",
};
static_assert(sizeof kCauseTexts / sizeof kCauseTexts[0] == size_t(castcore::Cause::Count), "one text a cause");

struct CauseWindow {
    std::chrono::steady_clock::time_point start;
    bool open = false;
    int suppressed = 0;
    int level = 0;
};

std::mutex g_limitMutex;
CauseWindow g_windows[size_t(castcore::Cause::Count)];

// Ends a window whose time is over; the summary is written by the caller, outside the lock.
int closeIfOver(CauseWindow& w, std::chrono::steady_clock::time_point now)
{
    if (!w.open || now - w.start < kLimitWindow)
        return -1;
    const int count = w.suppressed;
    w.open = false;
    w.suppressed = 0;
    return count;
}

void writeSummary(size_t cause, int level, int count)
{
    if (count > 0)
        castcore::log(level, "%d more %s in the last %d s", count, kCauseTexts[cause],
                      int(std::chrono::duration_cast<std::chrono::seconds>(kLimitWindow).count()));
}

} // namespace

extern "C" void castcoreSetLogFunction(CastcoreLogFunction function)
{
    g_logFunction.store(function);
}

namespace castcore {

void log(int level, const char* format, ...)
{
    va_list args;
    va_start(args, format);
    librarylog::write(g_logFunction, "castcore", level, format, args);
    va_end(args);
}

void logLimited(Cause cause, int level, const char* format, ...)
{
    const size_t index = size_t(cause);
    const auto now = std::chrono::steady_clock::now();
    int summary;
    int summaryLevel;
    {
        std::lock_guard<std::mutex> lock(g_limitMutex);
        CauseWindow& w = g_windows[index];
        summaryLevel = w.level;
        summary = closeIfOver(w, now);
        if (w.open) {
            ++w.suppressed;
            return;
        }
        w.open = true;
        w.start = now;
        w.level = level;
    }
    writeSummary(index, summaryLevel, summary);
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    log(level, "%s", line);
}

void flushLimited()
{
    const auto now = std::chrono::steady_clock::now();
    for (size_t i = 0; i < size_t(Cause::Count); ++i) {
        int count;
        int level;
        {
            std::lock_guard<std::mutex> lock(g_limitMutex);
            level = g_windows[i].level;
            count = closeIfOver(g_windows[i], now);
        }
        writeSummary(i, level, count);
    }
}

} // namespace castcore
