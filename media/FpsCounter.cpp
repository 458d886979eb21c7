#include "media/FpsCounter.h"

#include <QTimerEvent>

FpsCounter::FpsCounter(QObject* parent) : QObject(parent) {}

FpsCounter::~FpsCounter()
{
    stop();
}

void FpsCounter::start()
{
    resetCounts();
    if (m_timerId != 0)
        killTimer(m_timerId);
    m_timerId = startTimer(1000, Qt::CoarseTimer);
    m_running = m_timerId != 0;
}

void FpsCounter::stop()
{
    if (m_timerId != 0)
        killTimer(m_timerId);
    m_timerId = 0;
    m_running = false;
    resetCounts();
}

bool FpsCounter::isRunning() const
{
    return m_running;
}

void FpsCounter::countDisplayed()
{
    ++m_displayed;
}

void FpsCounter::countDropped()
{
    ++m_dropped;
}

uint FpsCounter::displayedCount() const
{
    return m_displayed;
}

uint FpsCounter::droppedCount() const
{
    return m_dropped;
}

uint FpsCounter::lastDisplayed() const
{
    return m_lastDisplayed;
}

uint FpsCounter::lastDropped() const
{
    return m_lastDropped;
}

void FpsCounter::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId || m_timerId == 0)
        return;
    // Exchange so that a count made between the read and the reset is not lost.
    m_lastDisplayed = m_displayed.exchange(0);
    m_lastDropped = m_dropped.exchange(0);
    emit updateFPS(m_lastDisplayed);
}

void FpsCounter::resetCounts()
{
    m_displayed = 0;
    m_dropped = 0;
}
