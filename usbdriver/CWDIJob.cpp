#include "usbdriver/CWDIJob.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

void CWDIJob::finish()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
    m_done.notify_all();
}

bool CWDIJob::isFinished() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_finished;
}

bool CWDIJob::wait(int ms)
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread())
        return waitHandlingEvents(ms, [this] { return isFinished(); });
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_done.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_finished; });
}

bool waitHandlingEventsImpl(int ms, bool (*ready)(void*), void* context)
{
    QDeadlineTimer deadline(ms);
    while (!ready(context)) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
        QThread::msleep(10);
    }
    return true;
}
