#pragma once
// One sound source of the mix: a phone, or the microphone's captured sound. Senders call the
// three operations from any thread; the mixer takes converted frames from the playback side.

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "PvoFrameRing.h"
#include "PvoLog.h"
#include "PvoResampler.h"
#include "media/pvoaudio.h"

class PvoSource final : public IPvoAudioSource {
public:
    // A disabled source accepts calls and drops its samples.
    PvoSource(std::string name, bool enabled);

    // The tag and the timestamp are not used: samples play in the order they arrive.
    void SetFormat(int bitsPerSample, int channels, int sampleRate, unsigned tag) override;
    void PushSamples(const uint8_t* data, int size, double timestampUs, int flags) override;
    // End of a stream: what is buffered still plays, then the source waits for new samples.
    void Stop() override;

    // Whether the mixer is running; while not, pushed samples are dropped.
    void setLive(bool live);
    // Moves up to count mixed-format frames to out; returns how many (the rest is silence).
    int take(int16_t* out, int count);
    // Returns once no call of a sender is in progress.
    void waitIdle();

    const std::string& name() const { return m_name; }

    // Frames buffered before a source starts (or restarts after running dry), so that senders
    // delivering in packets larger than a mixing period do not cause gaps.
    static constexpr int kPrimeFrames = kMixRate * 30 / 1000;
    // Most frames buffered; a sender that outruns playback loses its oldest frames.
    static constexpr int kMaxFrames = kMixRate / 2;

private:
    void convertPacket(const uint8_t* data, int size);
    void endStream();
    void dropCarry(const char* why);
    void enqueue();
    void logRejected(int bytes, const char* why);

    const std::string m_name;
    const bool m_enabled;
    std::atomic<bool> m_live{false};

    // Sender side: format, converter and the bytes of an incomplete frame.
    std::mutex m_inputMutex;
    PvoPcmFormat m_format;
    PvoResampler m_resampler;
    std::vector<uint8_t> m_carry;
    std::vector<int16_t> m_converted;
    PvoLogThrottle m_rejected;

    // Playback side.
    std::mutex m_ringMutex;
    PvoFrameRing m_ring{kMaxFrames};
    bool m_playing = false;
    bool m_draining = false;
    PvoLogThrottle m_overruns;
};
