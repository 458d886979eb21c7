#pragma once
// Completion of a driver worker, to wait for without touching the thread object itself.

#include <condition_variable>
#include <mutex>

class CWDIJob {
public:
    void finish();
    bool isFinished() const;
    // Waits at most ms. On the GUI thread, events keep being handled meanwhile: the worker
    // waits for the driver window to handle its messages and would otherwise never finish.
    bool wait(int ms);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
};

// Handles events on the GUI thread until ready() holds or ms have passed; true when it holds.
template <typename Ready>
bool waitHandlingEvents(int ms, Ready ready);
bool waitHandlingEventsImpl(int ms, bool (*ready)(void*), void* context);

template <typename Ready>
bool waitHandlingEvents(int ms, Ready ready)
{
    return waitHandlingEventsImpl(ms, [](void* c) { return (*static_cast<Ready*>(c))(); }, &ready);
}
