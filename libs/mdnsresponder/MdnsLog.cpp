#include "MdnsLog.h"

#include "MdnsResponder.h"
#include "libs/common/LibraryLog.h"

#include <atomic>
#include <cstdarg>

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
    va_list args;
    va_start(args, format);
    librarylog::write(g_logFunction, "mdnsresponder", level, format, args);
    va_end(args);
}

} // namespace mdns
