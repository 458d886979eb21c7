#include "PvoClock.h"

#include "PvoLog.h"

namespace {
// Beyond this lag (a suspended machine, a stalled process) the clock starts afresh instead of
// rendering the missed periods in a burst.
constexpr auto kMaxLag = std::chrono::milliseconds(200);
}

PvoClock::PvoClock(int periodFrames, int rate, std::function<void()> tick)
    : m_period(std::chrono::nanoseconds(1000000000LL * periodFrames / rate)), m_tick(std::move(tick))
{
}

PvoClock::~PvoClock()
{
    stop();
}

void PvoClock::start()
{
    if (m_thread.joinable())
        return;
    m_stopping.store(false);
    m_thread = std::thread([this] { run(); });
}

void PvoClock::stop()
{
    if (!m_thread.joinable())
        return;
    m_stopping.store(true);
    m_thread.join();
}

void PvoClock::run()
{
    auto deadline = std::chrono::steady_clock::now();
    while (!m_stopping.load()) {
        m_tick();
        deadline += m_period;
        const auto now = std::chrono::steady_clock::now();
        if (now - deadline > kMaxLag) {
            pvoLog("the mixing clock fell %lld ms behind; it starts afresh",
                   static_cast<long long>(
                       std::chrono::duration_cast<std::chrono::milliseconds>(now - deadline).count()));
            deadline = now;
        }
        std::this_thread::sleep_until(deadline);
    }
}
