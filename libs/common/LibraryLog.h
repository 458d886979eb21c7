#pragma once
// Log lines of the stand-in libraries: formatted once, handed to the program's own log
// function when it installed one, written to stderr as "<library>: <level><text>" otherwise.

#include <atomic>
#include <cstdarg>
#include <cstdio>

namespace librarylog {

using Function = void (*)(int level, const char* message);

// Levels: 0 information, 1 warning, 2 error.
inline void write(const std::atomic<Function>& installed, const char* library, int level, const char* format,
                  va_list args)
{
    char line[512];
    std::vsnprintf(line, sizeof line, format, args);
    if (Function fn = installed.load()) {
        fn(level, line);
        return;
    }
    static const char* const kLevels[] = {"", "warning: ", "error: "};
    const char* prefix = (level >= 0 && level <= 2) ? kLevels[level] : "";
    // One fprintf per line so lines of different threads do not interleave.
    std::fprintf(stderr, "%s: %s%s\n", library, prefix, line);
}

} // namespace librarylog
