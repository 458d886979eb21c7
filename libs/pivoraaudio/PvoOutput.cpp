#include "PvoOutput.h"

#include "PvoResampler.h"

PvoOutput::PvoOutput(PvoAudioOutputCallback callback) : m_callback(callback)
{
}

PvoOutput::~PvoOutput()
{
    stop();
}

void PvoOutput::start()
{
    if (m_thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = false;
    }
    // The thread keeps the output alive, so removing it from inside its callback is safe.
    m_thread = std::thread([self = shared_from_this()] { self->run(); });
}

void PvoOutput::stop()
{
    if (!m_thread.joinable())
        return;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
        m_queue.clear();
    }
    m_wake.notify_all();
    if (m_thread.get_id() == std::this_thread::get_id())
        m_thread.detach();
    else
        m_thread.join();
}

void PvoOutput::deliver(const int16_t* frames, int count)
{
    const auto* bytes = reinterpret_cast<const uint8_t*>(frames);
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping)
            return;
        if (m_queue.size() >= kMaxChunks) {
            const uint64_t lost = m_queue.front().size() / kMixFrameBytes;
            m_queue.pop_front();
            if (m_overruns.add(lost)) {
                pvoLog("an output falls behind; dropped %llu ms of mixed audio (%llu ms in total)",
                       static_cast<unsigned long long>(m_overruns.pending() * 1000 / kMixRate),
                       static_cast<unsigned long long>(m_overruns.total() * 1000 / kMixRate));
                m_overruns.reported();
            }
        }
        m_queue.emplace_back(bytes, bytes + static_cast<size_t>(count) * kMixFrameBytes);
    }
    m_wake.notify_one();
}

void PvoOutput::run()
{
    for (;;) {
        std::vector<uint8_t> chunk;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_stopping)
                return;
            chunk = std::move(m_queue.front());
            m_queue.pop_front();
        }
        m_callback(chunk.data(), static_cast<int>(chunk.size()));
    }
}
