#pragma once
// Helpers for driving the mixer library from tests: PCM generators, an output that records what
// it receives, and a log collector.

#include <QString>
#include <QStringList>

#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <vector>

#include "media/pvoaudio.h"

namespace probe {

constexpr int kRate = 44100;

// Interleaved sine of the given frequency and amplitude (fraction of full scale); the second
// channel, when present, has half the amplitude so channel order shows.
inline std::vector<uint8_t> sine(int bits, int channels, int rate, double hz, double amp, int frames)
{
    const int bytes = bits / 8;
    std::vector<uint8_t> out(static_cast<size_t>(frames) * channels * bytes);
    uint8_t* p = out.data();
    for (int i = 0; i < frames; ++i) {
        const double v = amp * std::sin(2 * M_PI * hz * i / rate);
        for (int c = 0; c < channels; ++c) {
            const double x = c == 0 ? v : v / 2;
            if (bits == 8) {
                *p = static_cast<uint8_t>(std::lround(128 + x * 127));
            } else if (bits == 16) {
                const int16_t s = static_cast<int16_t>(std::lround(x * 32767));
                memcpy(p, &s, 2);
            } else {
                const float f = static_cast<float>(x);
                memcpy(p, &f, 4);
            }
            p += bytes;
        }
    }
    return out;
}

inline std::vector<uint8_t> constant(int16_t value, int frames)
{
    std::vector<int16_t> samples(static_cast<size_t>(frames) * 2, value);
    std::vector<uint8_t> out(samples.size() * 2);
    memcpy(out.data(), samples.data(), out.size());
    return out;
}

// What one output received, as interleaved stereo samples.
struct Capture {
    std::mutex mutex;
    std::condition_variable grown;
    std::vector<int16_t> samples;
    bool recording = true;
    int callsAfterStop = 0;

    void append(const uint8_t* data, int length)
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!recording) {
            ++callsAfterStop;
            return;
        }
        const size_t at = samples.size();
        samples.resize(at + static_cast<size_t>(length) / 2);
        memcpy(samples.data() + at, data, static_cast<size_t>(length) / 2 * 2);
        grown.notify_all();
    }
    void reset()
    {
        std::lock_guard<std::mutex> lock(mutex);
        samples.clear();
        recording = true;
        callsAfterStop = 0;
    }
    // Waits (bounded only as a guard against a hang) until pred(samples) holds.
    template <typename Pred> bool waitFor(Pred pred, int guardSeconds = 30)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return grown.wait_for(lock, std::chrono::seconds(guardSeconds), [&] { return pred(samples); });
    }
    std::vector<int16_t> copy()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return samples;
    }
};

inline Capture& capture(int index)
{
    static Capture captures[2];
    return captures[index];
}

template <int N> void collect(const uint8_t* data, int length)
{
    capture(N).append(data, length);
}

// Index of the first frame whose left sample's magnitude exceeds threshold, or -1.
inline long onset(const std::vector<int16_t>& s, int threshold = 200)
{
    for (size_t i = 0; i < s.size(); i += 2)
        if (std::abs(s[i]) > threshold)
            return static_cast<long>(i / 2);
    return -1;
}

struct Tone {
    double hz = 0;
    int peak = 0;
};

// Frequency from the interpolated first and last rising zero crossings, and the peak level, of
// one channel over frames [from, from + count).
inline Tone measure(const std::vector<int16_t>& s, long from, int count, int channel)
{
    Tone tone;
    double first = -1, last = -1;
    int rises = 0;
    for (long i = from; i < from + count; ++i) {
        const int a = s[static_cast<size_t>(i) * 2 + channel];
        tone.peak = std::max(tone.peak, std::abs(a));
        if (i + 1 >= from + count)
            break;
        const int b = s[static_cast<size_t>(i + 1) * 2 + channel];
        if (a < 0 && b >= 0) {
            const double t = i + double(-a) / (b - a);
            if (first < 0)
                first = t;
            last = t;
            ++rises;
        }
    }
    if (rises > 1)
        tone.hz = (rises - 1) * kRate / (last - first);
    return tone;
}

// Log lines of the mixer.
struct LogLines {
    std::mutex mutex;
    QStringList lines;

    bool contains(const QString& text)
    {
        std::lock_guard<std::mutex> lock(mutex);
        for (const QString& line : lines)
            if (line.contains(text))
                return true;
        return false;
    }
    void clear()
    {
        std::lock_guard<std::mutex> lock(mutex);
        lines.clear();
    }
};

inline LogLines& logLines()
{
    static LogLines log;
    return log;
}

inline void collectLog(const char* line)
{
    std::lock_guard<std::mutex> lock(logLines().mutex);
    logLines().lines.append(QString::fromUtf8(line));
}

} // namespace probe
