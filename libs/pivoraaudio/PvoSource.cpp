#include "PvoSource.h"

#include <algorithm>

PvoSource::PvoSource(std::string name, bool enabled) : m_name(std::move(name)), m_enabled(enabled)
{
}

void PvoSource::SetFormat(int bitsPerSample, int channels, int sampleRate, unsigned)
{
    const PvoPcmFormat format{bitsPerSample, channels, sampleRate};
    std::lock_guard<std::mutex> lock(m_inputMutex);
    if (format == m_format && m_resampler.isOpen())
        return;
    endStream();
    m_resampler.close();
    m_format = PvoPcmFormat();
    if (!format.isValid()) {
        pvoLog("source '%s': unsupported audio format (%d bits, %d channels, %d Hz); its samples "
               "are dropped until a supported format arrives",
               m_name.c_str(), bitsPerSample, channels, sampleRate);
        return;
    }
    if (m_resampler.open(format))
        m_format = format;
}

void PvoSource::PushSamples(const uint8_t* data, int size, double, int)
{
    if (size < 0 || (!data && size > 0)) {
        pvoLog("source '%s': ignored samples with %s", m_name.c_str(),
               size < 0 ? "a negative size" : "no data");
        return;
    }
    if (size == 0 || !m_enabled)
        return;
    std::lock_guard<std::mutex> lock(m_inputMutex);
    if (!m_live.load())
        logRejected(size, "the mixer is not running");
    else if (!m_resampler.isOpen())
        logRejected(size, "no supported format is set");
    else
        convertPacket(data, size);
}

void PvoSource::logRejected(int bytes, const char* why)
{
    if (!m_rejected.add(static_cast<uint64_t>(bytes)))
        return;
    pvoLog("source '%s': dropped %llu bytes of audio because %s (%llu in total)", m_name.c_str(),
           static_cast<unsigned long long>(m_rejected.pending()), why,
           static_cast<unsigned long long>(m_rejected.total()));
    m_rejected.reported();
}

void PvoSource::convertPacket(const uint8_t* data, int size)
{
    const int frameBytes = m_format.frameBytes();
    m_converted.clear();
    // A frame split across packets is completed from the front of this one.
    if (!m_carry.empty()) {
        const int take = std::min(frameBytes - static_cast<int>(m_carry.size()), size);
        m_carry.insert(m_carry.end(), data, data + take);
        data += take;
        size -= take;
        if (static_cast<int>(m_carry.size()) < frameBytes)
            return; // the whole packet went into the incomplete frame
        m_resampler.convert(m_carry.data(), 1, m_converted);
        m_carry.clear();
    }
    const int frames = size / frameBytes;
    m_resampler.convert(data, frames, m_converted);
    const int used = frames * frameBytes;
    m_carry.assign(data + used, data + size);
    enqueue();
}

void PvoSource::Stop()
{
    std::lock_guard<std::mutex> lock(m_inputMutex);
    endStream();
    // The converter was flushed; a fresh one carries the next stream.
    if (m_resampler.isOpen() && !m_resampler.open(m_format))
        m_format = PvoPcmFormat();
    std::lock_guard<std::mutex> ringLock(m_ringMutex);
    m_draining = true;
}

// Sends what the converter holds back to playback and forgets an incomplete frame.
void PvoSource::endStream()
{
    dropCarry("its stream ended");
    m_converted.clear();
    m_resampler.flush(m_converted);
    if (m_live.load())
        enqueue();
}

void PvoSource::dropCarry(const char* why)
{
    if (m_carry.empty())
        return;
    pvoLog("source '%s': dropped %zu bytes of an incomplete sample frame because %s",
           m_name.c_str(), m_carry.size(), why);
    m_carry.clear();
}

void PvoSource::enqueue()
{
    const int frames = static_cast<int>(m_converted.size() / kMixChannels);
    if (frames == 0)
        return;
    std::lock_guard<std::mutex> lock(m_ringMutex);
    const int dropped = m_ring.write(m_converted.data(), frames);
    if (dropped > 0 && m_overruns.add(static_cast<uint64_t>(dropped))) {
        pvoLog("source '%s': the sender outruns playback; dropped %llu ms of its oldest audio "
               "(%llu ms in total)",
               m_name.c_str(), static_cast<unsigned long long>(m_overruns.pending() * 1000 / kMixRate),
               static_cast<unsigned long long>(m_overruns.total() * 1000 / kMixRate));
        m_overruns.reported();
    }
}

void PvoSource::setLive(bool live)
{
    m_live.store(live);
    if (live)
        return;
    std::lock_guard<std::mutex> lock(m_ringMutex);
    m_ring.clear();
    m_playing = false;
    m_draining = false;
}

int PvoSource::take(int16_t* out, int count)
{
    std::lock_guard<std::mutex> lock(m_ringMutex);
    if (!m_playing) {
        const bool ready = m_ring.size() >= kPrimeFrames || (m_draining && m_ring.size() > 0);
        if (!ready)
            return 0;
        m_playing = true;
    }
    const int got = m_ring.read(out, count);
    if (m_ring.size() == 0) {
        m_playing = false;
        m_draining = false;
    }
    return got;
}

void PvoSource::waitIdle()
{
    std::lock_guard<std::mutex> inputLock(m_inputMutex);
    std::lock_guard<std::mutex> ringLock(m_ringMutex);
}
