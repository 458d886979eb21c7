#include "CastLog.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {
std::atomic<CastcoreLogFunction> g_logFunction{nullptr};
}

extern "C" void castcoreSetLogFunction(CastcoreLogFunction function)
{
    g_logFunction.store(function);
}

namespace castcore {

void log(int level, const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (CastcoreLogFunction fn = g_logFunction.load()) {
        fn(level, line);
        return;
    }
    static const char* const kLevels[] = {"", "warning: ", "error: "};
    const char* prefix = (level >= 0 && level <= 2) ? kLevels[level] : "";
    // One fprintf per line so lines of different threads do not interleave.
    std::fprintf(stderr, "castcore: %s%s\n", prefix, line);
}

} // namespace castcore
