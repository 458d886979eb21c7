#pragma once

// The library has no logger of its own: its lines go to the standard error of the process,
// marked with the library's name.
namespace hidlink {

void logLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The two fixed event lines, written to the standard output.
void printEvent(const char* line);

} // namespace hidlink
