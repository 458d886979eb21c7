#pragma once
// The engine's log: lines go to stderr at or above the log level, and every line to the
// registered logger's queue.

#include "pvwdi.h"

#include <cstdarg>

namespace wdilog {

void write(int level, const char* function, const char* format, ...) __attribute__((format(printf, 3, 4)));

} // namespace wdilog

#define WDI_DEBUG(...) wdilog::write(WDI_LOG_LEVEL_DEBUG, __func__, __VA_ARGS__)
#define WDI_INFO(...) wdilog::write(WDI_LOG_LEVEL_INFO, __func__, __VA_ARGS__)
#define WDI_WARN(...) wdilog::write(WDI_LOG_LEVEL_WARNING, __func__, __VA_ARGS__)
#define WDI_ERROR(...) wdilog::write(WDI_LOG_LEVEL_ERROR, __func__, __VA_ARGS__)
