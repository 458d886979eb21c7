#pragma once
// How a driver scan running on a worker thread talks to the driver window. Every call but
// postDeviceChange waits until the window has handled it.

#include <atomic>

class IUsbScanSink {
public:
    virtual ~IUsbScanSink() = default;

    // Progress popup: position 0..100 and the numbered text with its numbers.
    virtual void sendProgress(int position, int textNumber, int first = 0, int second = 0) = 0;
    // Outcome code -1..-7; restartNeeded says whether a change could not be applied at once.
    virtual void sendOutcome(int code, bool restartNeeded) = 0;
    virtual void sendInstallTimer(bool on) = 0;
    virtual void askReboot() = 0;
    virtual void showDebuggingWarning() = 0;
    // Lets the window schedule the next scan.
    virtual void postDeviceChange() = 0;
    // The window stopped waiting for this worker (watchdog); it must end without reporting.
    virtual const std::atomic<bool>& abandoned() const = 0;
    // Waits, returning early when the window is going away.
    virtual void pause(int ms) = 0;
};
