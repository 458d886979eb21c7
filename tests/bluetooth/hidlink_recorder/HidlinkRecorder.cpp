// Records every call of the HID peripheral library's exports, for the Bluetooth worker tests.
// Loaded by the real program (end-to-end tests), it is steered by the environment instead:
// HIDLINK_RECORDER_LOG names a file that receives every call as a line, and
// HIDLINK_RECORDER_AUTOLINK makes every phone named in SetPhoneInfo link at once.
#include "bluetooth/PeripheralCallbacks.h"

#include <algorithm>
#include <condition_variable>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#define RECORDER_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex g_mutex;
std::condition_variable g_changed;
std::vector<std::string> g_calls;
bool g_supported = true;
bool g_holdSupport = false;
bool g_holdMouse = false;
bool g_mouseHeld = false;
PeripheralCallbacks g_callbacks {};
// Joined when the service stops, and at the latest when the library is unloaded.
struct LinkThreads {
    std::vector<std::thread> threads;
    ~LinkThreads()
    {
        for (std::thread& thread : threads)
            if (thread.joinable())
                thread.join();
    }
} g_linkThreads;

void appendToLog(const std::string& line)
{
    const char* path = std::getenv("HIDLINK_RECORDER_LOG");
    if (!path || !*path)
        return;
    if (FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "%s\n", line.c_str());
        std::fclose(log);
    }
}

void record(const std::string& line)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_calls.push_back(line);
        appendToLog(line);
    }
    g_changed.notify_all();
}

bool autoLink()
{
    const char* value = std::getenv("HIDLINK_RECORDER_AUTOLINK");
    return value && *value && std::strcmp(value, "0") != 0;
}

// The address of an automatically linked phone: fixed per name, so the tests can expect it.
uint64_t addressFor(const std::string& name)
{
    uint64_t address = 0xA4000000000ULL;
    for (unsigned char c : name)
        address = (address * 31 + c) & 0xFFFFFFFFFFFFULL;
    return address;
}

// Reports the link from a thread of the library's own, as a real peripheral would.
void linkLater(const std::string& name)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const PeripheralCallbacks callbacks = g_callbacks;
    if (!callbacks.onPhoneLinked)
        return;
    g_linkThreads.threads.emplace_back([callbacks, name] {
        callbacks.onPhoneLinked(callbacks.context, name.c_str(), addressFor(name), true);
    });
}

void joinLinkThreads()
{
    std::vector<std::thread> threads;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        threads.swap(g_linkThreads.threads);
    }
    for (std::thread& thread : threads)
        thread.join();
}

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...)
{
    char line[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(line, sizeof line, fmt, args);
    va_end(args);
    return line;
}

} // namespace

RECORDER_EXPORT void HidlinkRecorder_Reset()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_calls.clear();
    g_supported = true;
    g_holdSupport = false;
    g_holdMouse = false;
    g_mouseHeld = false;
    g_callbacks = {};
}

RECORDER_EXPORT void HidlinkRecorder_SetSupport(bool supported)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_supported = supported;
}

RECORDER_EXPORT int HidlinkRecorder_Snapshot(char* buffer, int size)
{
    std::string all;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        for (const std::string& call : g_calls)
            all += call + "\n";
    }
    if (buffer && size > 0) {
        const size_t n = std::min(all.size(), size_t(size - 1));
        std::memcpy(buffer, all.data(), n);
        buffer[n] = 0;
    }
    return int(all.size()) + 1;
}

RECORDER_EXPORT void HidlinkRecorder_WaitCalls(int count)
{
    std::unique_lock<std::mutex> lock(g_mutex);
    g_changed.wait(lock, [count] { return int(g_calls.size()) >= count; });
}

RECORDER_EXPORT void HidlinkRecorder_HoldMouse(bool hold)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_holdMouse = hold;
    }
    g_changed.notify_all();
}

RECORDER_EXPORT void HidlinkRecorder_HoldSupport(bool hold)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_holdSupport = hold;
    }
    g_changed.notify_all();
}

RECORDER_EXPORT void HidlinkRecorder_WaitMouseHeld()
{
    std::unique_lock<std::mutex> lock(g_mutex);
    g_changed.wait(lock, [] { return g_mouseHeld; });
}

RECORDER_EXPORT void HidlinkRecorder_FireLinked(const char* name, uint64_t address, bool connected)
{
    PeripheralCallbacks callbacks;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        callbacks = g_callbacks;
    }
    if (!callbacks.onPhoneLinked)
        return;
    const std::string copy = name ? name : "";
    std::thread([&] { callbacks.onPhoneLinked(callbacks.context, copy.c_str(), address, connected); }).join();
}

RECORDER_EXPORT void AirPlay_Peripheral_EnvInitialize()
{
    record("EnvInitialize");
}

RECORDER_EXPORT void AirPlay_Peripheral_Initialize()
{
    record("Initialize");
}

RECORDER_EXPORT bool AirPlay_Peripheral_Support()
{
    bool supported;
    {
        // Like a Bluetooth daemon that is slow to answer.
        std::unique_lock<std::mutex> lock(g_mutex);
        g_changed.wait(lock, [] { return !g_holdSupport; });
        supported = g_supported;
    }
    record("Support");
    return supported;
}

RECORDER_EXPORT bool AirPlay_Peripheral_StartService()
{
    record("StartService");
    return true;
}

RECORDER_EXPORT void AirPlay_Peripheral_StopService()
{
    joinLinkThreads();
    record("StopService");
}

RECORDER_EXPORT void AirPlay_Peripheral_SetPhoneInfo(const char* name, const char* note)
{
    record(format("SetPhoneInfo %s|%s", name, note));
    if (autoLink() && name)
        linkLater(name);
}

RECORDER_EXPORT void AirPlay_Peripheral_SetCallbacks(const PeripheralCallbacks* callbacks)
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        g_callbacks = *callbacks;
    }
    record(format("SetCallbacks %s", callbacks->onPhoneLinked ? "callback" : "none"));
}

RECORDER_EXPORT void AirPlay_Peripheral_SetSubscribedClient(const char* name)
{
    record(format("SetSubscribedClient %s", name));
}

RECORDER_EXPORT void AirPlay_Peripheral_TouchScreenSend(int32_t contact, float x, float y)
{
    record(format("TouchScreenSend %d %g %g", contact, double(x), double(y)));
}

RECORDER_EXPORT void AirPlay_Peripheral_GamePadSend(int32_t buttons)
{
    record(format("GamePadSend %d", buttons));
}

// The partial build leaves these two out, like a library of an older release.
#ifndef HIDLINK_RECORDER_PARTIAL
RECORDER_EXPORT void AirPlay_Peripheral_KeyBoardSend(int32_t action, uint8_t usage)
{
    record(format("KeyBoardSend %d %u", action, unsigned(usage)));
}

RECORDER_EXPORT void AirPlay_Peripheral_MouseSend(int32_t buttons, int32_t dx, int32_t dy, int32_t wheel)
{
    record(format("MouseSend %d %d %d %d", buttons, dx, dy, wheel));
    std::unique_lock<std::mutex> lock(g_mutex);
    if (!g_holdMouse)
        return;
    g_mouseHeld = true;
    g_changed.notify_all();
    g_changed.wait(lock, [] { return !g_holdMouse; });
    g_mouseHeld = false;
}
#endif
