#include "MdnsLog.h"

#include "MdnsResponder.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace {
std::atomic<ServiceLogFunction> g_logFunction{nullptr};
}

extern "C" void ServiceSetLogFunction(ServiceLogFunction function)
{
    g_logFunction.store(function);
}

namespace mdns {

void log(int level, const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (ServiceLogFunction fn = g_logFunction.load()) {
        fn(level, line);
        return;
    }
    static const char* const kLevels[] = {"", "warning: ", "error: "};
    const char* prefix = (level >= 0 && level <= 2) ? kLevels[level] : "";
    std::fprintf(stderr, "mdnsresponder: %s%s\n", prefix, line);
}

} // namespace mdns
