#pragma once

#include "bluetooth/PeripheralCommand.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>

class QThread;

// The one thread that talks to the HID peripheral library. Senders queue command records;
// the worker loads the library, carries the commands out in order and unloads it at the end,
// so no other thread ever waits on Bluetooth.
class AirPlayPeripheral {
public:
    static constexpr const char* kLibraryName = "libhidlink.so";

    AirPlayPeripheral();
    ~AirPlayPeripheral();
    AirPlayPeripheral(const AirPlayPeripheral&) = delete;
    AirPlayPeripheral& operator=(const AirPlayPeripheral&) = delete;

    // Starts the worker unless it runs; answers whether it runs. A name with a slash is loaded
    // as it is; a bare file name is looked for next to the executable, then on the library path.
    bool start(const std::string& libraryName = kLibraryName);
    // Ends the worker: the command in hand is finished, everything still queued is discarded,
    // and the library is unloaded before this returns.
    void stop();

    // Hands a command to the worker. Refused (and freed) once a stop has been requested.
    bool enqueue(std::unique_ptr<PeripheralCommand> command);

    bool isRunning() const { return m_thread != nullptr; }
    bool isStopRequested() const;
    // Whether the host can act as an LE peripheral; false while the library is not loaded.
    bool isSupported() const { return m_supported.load(); }
    // Waits at most `timeout` until the worker has loaded the library and asked it for support
    // (or ended); answers whether it has.
    bool waitUntilLoaded(std::chrono::milliseconds timeout);
    // Told on the worker thread once the support answer is known. Set before start.
    void setLoadedHandler(std::function<void(bool supported)> handler) { m_loadedHandler = std::move(handler); }

private:
    friend class AirPlayPeripheralThread;
    void run();
    std::unique_ptr<PeripheralCommand> takeCommand();
    void execute(const PeripheralCommand& command);
    bool loadLibrary();
    void unloadLibrary();
    void markLoaded();
    void* resolve(const char* symbol);
    template <typename Fn, typename... Args>
    void call(const char* symbol, Args... args);
    template <typename Fn>
    bool callForBool(const char* symbol);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::unique_ptr<PeripheralCommand>> m_queue;
    bool m_stopRequested = false;
    bool m_loaded = false;
    bool m_finished = false;

    std::atomic<bool> m_supported { false };
    std::function<void(bool)> m_loadedHandler;
    std::unique_ptr<QThread> m_thread;
    std::string m_libraryName;

    // Worker thread only.
    void* m_module = nullptr;
    std::set<std::string> m_reportedMissing;
};
