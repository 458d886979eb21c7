#include "usbdriver/CWDIWorker.h"

#include "usbdriver/CUsbScanner.h"
#include "usbdriver/CWDIJob.h"
#include "usbdriver/CWDIState.h"

#include <QDeadlineTimer>

void CWDIScheduler::run()
{
    msleep(kDelayMs);
    // Always asks: the window clears its pending mark when it no longer takes work.
    emit due();
}

CWDIWorker::CWDIWorker(Kind kind, std::shared_ptr<CWDIState> state)
    : m_kind(kind)
    , m_state(std::move(state))
    , m_job(std::make_shared<CWDIJob>())
{
}

CWDIWorker::~CWDIWorker()
{
    // Deleted only once finished; a worker still running at exit is left to the process end.
    wait();
}

void CWDIWorker::abandon()
{
    m_state->abandonWork(m_abandoned);
}

void CWDIWorker::run()
{
    CUsbScanner scanner(*m_state, *this);
    if (m_kind == Kind::Uninstall) {
        scanner.uninstall();
    } else {
        scanner.iosScan();
        if (!m_state->destroying && !m_abandoned && !m_state->isBusy())
            scanner.androidScan();
    }
    m_job->finish();
}

void CWDIWorker::sendProgress(int position, int textNumber, int first, int second)
{
    if (!m_abandoned)
        emit progress(position, textNumber, first, second);
}

void CWDIWorker::sendOutcome(int code, bool restartNeeded)
{
    if (!m_abandoned)
        emit outcome(code, restartNeeded);
}

void CWDIWorker::sendInstallTimer(bool on)
{
    if (!m_abandoned)
        emit installTimer(on);
}

void CWDIWorker::askReboot()
{
    if (!m_abandoned)
        emit rebootQuestion();
}

void CWDIWorker::showDebuggingWarning()
{
    if (!m_abandoned)
        emit debuggingWarning();
}

void CWDIWorker::postDeviceChange()
{
    if (!m_abandoned)
        emit deviceChange();
}

void CWDIWorker::pause(int ms)
{
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired() && !m_state->destroying && !m_abandoned)
        msleep(qMin<qint64>(50, deadline.remainingTime()));
}
