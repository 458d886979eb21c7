#include "WdiLog.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <mutex>
#include <string>

namespace {

struct Logger {
    std::mutex mutex;
    // Held while the logger is notified, so that unregistering waits for a notification in
    // flight; the notified code may read the lines (which takes only the other mutex).
    std::mutex notifyMutex;
    int level = WDI_LOG_LEVEL_INFO;
    wdi_log_notify notify = nullptr;
    void* context = nullptr;
    size_t capacity = 0;
    size_t bytes = 0;
    size_t dropped = 0;
    std::deque<std::string> lines;
};

Logger& logger()
{
    static Logger instance;
    return instance;
}

const char* levelName(int level)
{
    static const char* const kNames[] = {"debug", "info", "warning", "error"};
    return level >= 0 && level < 4 ? kNames[level] : "?";
}

// Called with the mutex held. Lines that do not fit are counted and reported with the next
// line that does.
bool enqueue(Logger& l, std::string line)
{
    if (l.dropped) {
        std::string note = "[warning] " + std::to_string(l.dropped) + " log lines dropped, buffer full";
        if (l.bytes + note.size() + line.size() > l.capacity)
            return ++l.dropped, false;
        l.bytes += note.size();
        l.lines.push_back(std::move(note));
        l.dropped = 0;
    }
    if (l.bytes + line.size() > l.capacity) {
        ++l.dropped;
        return false;
    }
    l.bytes += line.size();
    l.lines.push_back(std::move(line));
    return true;
}

} // namespace

namespace wdilog {

void write(int level, const char* function, const char* format, ...)
{
    char message[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    std::string line = std::string("[") + levelName(level) + "] " + function + ": " + message;

    Logger& l = logger();
    wdi_log_notify notify = nullptr;
    void* context = nullptr;
    {
        std::lock_guard<std::mutex> lock(l.mutex);
        if (level >= l.level)
            std::fprintf(stderr, "pvwdi %s\n", line.c_str());
        if (!l.notify)
            return;
        const bool wasEmpty = l.lines.empty();
        if (!enqueue(l, std::move(line)) || !wasEmpty)
            return;
        notify = l.notify;
        context = l.context;
    }
    std::lock_guard<std::mutex> notifying(l.notifyMutex);
    {
        std::lock_guard<std::mutex> lock(l.mutex);
        if (l.notify != notify || l.context != context)
            return;
    }
    notify(context);
}

} // namespace wdilog

extern "C" {

int wdi_set_log_level(int level)
{
    if (level < WDI_LOG_LEVEL_DEBUG || level > WDI_LOG_LEVEL_NONE)
        return WDI_ERROR_INVALID_PARAM;
    std::lock_guard<std::mutex> lock(logger().mutex);
    logger().level = level;
    return WDI_SUCCESS;
}

int wdi_register_logger(wdi_log_notify notify, void* context, unsigned buffsize)
{
    if (!notify || buffsize == 0)
        return WDI_ERROR_INVALID_PARAM;
    Logger& l = logger();
    std::lock_guard<std::mutex> lock(l.mutex);
    if (l.notify && (l.notify != notify || l.context != context))
        return WDI_ERROR_EXISTS;
    l.notify = notify;
    l.context = context;
    l.capacity = buffsize;
    return WDI_SUCCESS;
}

int wdi_unregister_logger(wdi_log_notify notify, void* context)
{
    Logger& l = logger();
    std::lock_guard<std::mutex> notifying(l.notifyMutex);
    std::lock_guard<std::mutex> lock(l.mutex);
    if (l.notify != notify || l.context != context)
        return WDI_ERROR_INVALID_PARAM;
    l.notify = nullptr;
    l.context = nullptr;
    l.lines.clear();
    l.bytes = 0;
    l.dropped = 0;
    return WDI_SUCCESS;
}

int wdi_read_logger(char* buffer, unsigned buffer_size, unsigned* message_size)
{
    if (!buffer || buffer_size == 0)
        return WDI_ERROR_INVALID_PARAM;
    Logger& l = logger();
    std::lock_guard<std::mutex> lock(l.mutex);
    if (l.lines.empty()) {
        buffer[0] = '\0';
        if (message_size)
            *message_size = 0;
        return WDI_ERROR_NOT_FOUND;
    }
    const std::string line = std::move(l.lines.front());
    l.lines.pop_front();
    l.bytes -= line.size();
    const size_t n = std::min<size_t>(line.size(), buffer_size - 1);
    std::memcpy(buffer, line.data(), n);
    buffer[n] = '\0';
    if (message_size)
        *message_size = static_cast<unsigned>(n);
    return WDI_SUCCESS;
}

} // extern "C"
