#include "usbdriver/CWDIJob.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

void CWDIJob::finish()
{
    QMutexLocker lock(&m_mutex);
    m_finished = true;
    m_done.wakeAll();
}

bool CWDIJob::isFinished() const
{
    QMutexLocker lock(&m_mutex);
    return m_finished;
}

bool CWDIJob::wait(int ms)
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread())
        return waitHandlingEvents(ms, [this] { return isFinished(); });
    QMutexLocker lock(&m_mutex);
    QDeadlineTimer deadline(ms);
    while (!m_finished) {
        if (!m_done.wait(&m_mutex, deadline))
            return m_finished;
    }
    return true;
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
