#include "hidlink/Log.h"

#include <cstdarg>
#include <cstdio>

namespace hidlink {

void logLine(const char* format, ...)
{
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    std::fprintf(stderr, "hidlink: %s\n", line);
    std::fflush(stderr);
}

void printEvent(const char* line)
{
    std::fprintf(stdout, "%s\n", line);
    std::fflush(stdout);
}

} // namespace hidlink
