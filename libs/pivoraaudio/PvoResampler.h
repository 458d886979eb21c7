#pragma once
// Converts a source's PCM to the mixing format: signed 16-bit, 44100 Hz, stereo, interleaved.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SwrContext;

constexpr int kMixRate = 44100;
constexpr int kMixChannels = 2;
constexpr int kMixFrameBytes = kMixChannels * 2;

// PCM as a sender describes it: 8 bits unsigned, 16 bits signed or 32 bits float, little
// endian, interleaved, 1 or 2 channels.
struct PvoPcmFormat {
    int bits = 0;
    int channels = 0;
    int rate = 0;

    bool isValid() const;
    int frameBytes() const { return bits / 8 * channels; }
    bool operator==(const PvoPcmFormat& other) const
    {
        return bits == other.bits && channels == other.channels && rate == other.rate;
    }
    bool operator!=(const PvoPcmFormat& other) const { return !(*this == other); }
};

class PvoResampler {
public:
    // False (with a log line) when the converter cannot be made; the format must be valid.
    bool open(const PvoPcmFormat& format);
    void close();
    bool isOpen() const { return m_swr != nullptr; }

    // Converts count whole frames of the opened format, appending the result to out.
    void convert(const uint8_t* data, int count, std::vector<int16_t>& out);
    // Appends the samples the converter still holds back, at the end of a stream.
    void flush(std::vector<int16_t>& out);

private:
    void run(const uint8_t* data, int count, std::vector<int16_t>& out);

    struct SwrDeleter {
        void operator()(SwrContext* swr) const;
    };
    std::unique_ptr<SwrContext, SwrDeleter> m_swr;
};
