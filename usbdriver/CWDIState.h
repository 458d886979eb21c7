#pragma once
// What the driver window shares with its worker threads: the flags, the busy flag under its
// lock and the seen-device table under the device lock. Held by shared pointer so that a
// worker the window stopped waiting for never outlives what it touches.

#include "pvwdi.h"

#include <QString>
#include <QVector>

#include <atomic>
#include <mutex>
#include <cstdint>

class CWDIState {
public:
    static constexpr int kInstallTimeoutMs = 60000;

    explicit CWDIState(const QString& tempFolder);

    // The user's temporary folder for working folders and scan logs.
    const QString& tempFolder() const { return m_tempFolder; }

    bool isBusy() const;
    void setBusy();
    // Clears the busy flag for a worker that was not abandoned. Under the busy lock, so that
    // an abandoned worker cannot clear the flag of the one that followed it.
    void finishWork(const std::atomic<bool>& abandoned);
    // Abandons a worker and clears the busy flag in one step.
    void abandonWork(std::atomic<bool>& abandoned);

    // Adds the debugging devices not yet seen, marked new, and takes the first one of this
    // list that is marked new. True when the warning is to be shown.
    bool takeDebuggingWarning(const QVector<const wdi_device_info*>& debugging);
    // A device arrived: a seen device shows its warning again.
    void deviceArrived(uint16_t vid, uint16_t pid);
    int seenDeviceCount() const;

    std::atomic<bool> destroying{false};
    std::atomic<bool> uninstallDone{false};
    std::atomic<bool> installFailed{false};
    std::atomic<int> installTimeoutMs{kInstallTimeoutMs};

private:
    struct SeenDevice {
        uint16_t vid;
        uint16_t pid;
        bool isNew;
    };

    const QString m_tempFolder;
    // Standard mutexes, so that the thread checker sees the hand-offs.
    mutable std::mutex m_busyLock;
    bool m_busy = false;
    mutable std::mutex m_deviceLock;
    QVector<SeenDevice> m_seen;
};
