#pragma once
// One consumer of the mixed sound. Mixed chunks are queued by the mixing thread and handed to
// the callback on a thread of the output's own, so a slow consumer never stalls playback.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "PvoLog.h"
#include "media/pvoaudio.h"

class PvoOutput : public std::enable_shared_from_this<PvoOutput> {
public:
    explicit PvoOutput(PvoAudioOutputCallback callback);
    ~PvoOutput();

    void start();
    // Ends the delivery thread; queued chunks are dropped. Waits for a callback in progress,
    // except when called from the callback itself.
    void stop();
    // Queues a copy of count mixed frames (mixing thread).
    void deliver(const int16_t* frames, int count);

    // Most queued chunks; past it the oldest go, so a stalled consumer cannot grow memory.
    static constexpr size_t kMaxChunks = 200;

private:
    void run();

    const PvoAudioOutputCallback m_callback;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::vector<uint8_t>> m_queue;
    bool m_stopping = false;
    PvoLogThrottle m_overruns;
};
