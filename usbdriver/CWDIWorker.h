#pragma once
// The threads of the driver window: a scheduler that waits a second and asks for work, and
// the worker that runs a scan cycle or the uninstall. A worker reports through its signals,
// which the window connects blocking (the worker waits until they are handled).

#include "usbdriver/IUsbScanSink.h"

#include <QThread>

#include <atomic>
#include <memory>

class CWDIJob;
class CWDIState;

class CWDIScheduler : public QThread {
    Q_OBJECT
public:
    static constexpr int kDelayMs = 1000;

signals:
    void due();

protected:
    void run() override;
};

class CWDIWorker : public QThread, public IUsbScanSink {
    Q_OBJECT
public:
    enum class Kind { Scan, Uninstall };

    CWDIWorker(Kind kind, std::shared_ptr<CWDIState> state);
    ~CWDIWorker() override;

    Kind kind() const { return m_kind; }
    std::shared_ptr<CWDIJob> job() const { return m_job; }
    // The window stops waiting for this worker: it reports nothing more and leaves the busy
    // flag to the next one.
    void abandon();

    void sendProgress(int position, int textNumber, int first = 0, int second = 0) override;
    void sendOutcome(int code, bool restartNeeded) override;
    void sendInstallTimer(bool on) override;
    void askReboot() override;
    void showDebuggingWarning() override;
    void postDeviceChange() override;
    const std::atomic<bool>& abandoned() const override { return m_abandoned; }
    void pause(int ms) override;

signals:
    void progress(int position, int textNumber, int first, int second);
    void outcome(int code, bool restartNeeded);
    void installTimer(bool on);
    void rebootQuestion();
    void debuggingWarning();
    void deviceChange();

protected:
    void run() override;

private:
    const Kind m_kind;
    std::shared_ptr<CWDIState> m_state;
    std::shared_ptr<CWDIJob> m_job;
    std::atomic<bool> m_abandoned{false};
};
