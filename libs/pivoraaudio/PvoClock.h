#pragma once
// Drives the mix at real-time pace when no sound device does: SDL's dummy driver sleeps a
// rounded-down period between callbacks and drifts by several percent, which would starve or
// flood the sources and put recordings out of step with their video.

#include <atomic>
#include <functional>
#include <thread>

class PvoClock {
public:
    // tick renders one period of the given frame count.
    PvoClock(int periodFrames, int rate, std::function<void()> tick);
    ~PvoClock();

    void start();
    void stop();

private:
    void run();

    const std::chrono::nanoseconds m_period;
    const std::function<void()> m_tick;
    std::atomic<bool> m_stopping{false};
    std::thread m_thread;
};
