#pragma once
// The hidden USB driver window ("usbchecker"). It lives for the whole run: schedules driver
// scans on a timer and on USB arrivals, runs scans and uninstalls on worker threads, shows
// the progress popup while drivers are installed or removed and the outcome boxes, and
// abandons an installation that takes longer than the install time-out.

#include <QDialog>
#include <QPointer>
#include <QTimer>

#include <cstdint>
#include <memory>

class CProgressDlg;
class CUsbMonitor;
class CWDIJob;
class CWDIState;
class CWDIWorker;
class QPlainTextEdit;
class QPushButton;

class CWDIDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRescanIntervalMs = 10000;
    static constexpr int kWatchdogTickMs = 1000;
    static constexpr int kEngineLogBufferBytes = 2048;

    explicit CWDIDlg(QWidget* parent = nullptr);
    ~CWDIDlg() override;

    // Starts the uninstall when no scan or uninstall runs; the job to wait for, else null.
    std::shared_ptr<CWDIJob> startUninstall();
    // Stops watching and scheduling and waits for the running work, at most the install
    // time-out plus 10 s. Done once; the destructor does it when nobody did.
    void destroyWindow();

    void setInstallTimeout(int ms);
    CProgressDlg* progressPopup() const;
    QString logText() const;
    bool isWatchingArrivals() const;
    const CWDIState& state() const { return *m_state; }

private slots:
    void scheduleRescan();
    void rescan();
    void scheduleUninstall();
    void uninstallDue();
    void readEngineLog();
    void onInstallTimer(bool on);
    void onProgress(int position, int textNumber, int first, int second);
    void onOutcome(int code, bool restartNeeded);
    void onRebootQuestion();
    void onDebuggingWarning();
    void onWatchdogTick();
    void onDeviceArrived(uint16_t vid, uint16_t pid);

private:
    void buildUi();
    void initDialog();
    void startScheduler(void (CWDIDlg::*handler)());
    CWDIWorker* startWorker(int kind);
    bool workRunning() const;
    bool fromAbandonedWorker() const;
    void closePopup();
    // Shows a numbered text; a question answers true for Yes. A box with autoCloseMs > 0
    // closes itself.
    bool showBox(int textNumber, bool question, int autoCloseMs = 0);
    void askRestart(int questionText, int messageText);
    void createLockdownFolder();
    static void engineLogNotify(void* self);

    std::shared_ptr<CWDIState> m_state;
    bool m_schedulerPending = false;
    QPointer<CWDIWorker> m_worker;
    QTimer m_rescanTimer;
    QTimer m_installTimer;
    int m_watchdogSeconds = 0;
    QPointer<CProgressDlg> m_popup;
    bool m_mainWasVisible = false;
    CUsbMonitor* m_monitor = nullptr;
    QThread* m_lockdownThread = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QPushButton* m_btnCancel = nullptr;
    QPushButton* m_btnUninstall = nullptr;
    bool m_loggerRegistered = false;
    bool m_destroyed = false;
};
