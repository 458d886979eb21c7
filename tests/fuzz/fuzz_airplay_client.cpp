// The program's handlers of what a phone sends, fed as the engine feeds them: configuration
// records and access units with phone-given timestamps and rotations, audio formats with
// phone-given widths, channel counts and sample rates, sound, and the system version text.
// Input: a sequence of operations, each an opcode byte and its fields (cut input ends it).

#include "scairplay/SCAirPlayClient.h"

#include "FuzzQuietLog.h"

#include <cstring>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
}

namespace {

// Bytes read into here cannot be optimised away.
volatile uint8_t g_sink;

class Input {
public:
    Input(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    template <typename T> T value()
    {
        T v{};
        const size_t n = std::min(sizeof v, m_size - m_pos);
        std::memcpy(&v, m_data + m_pos, n);
        m_pos += n;
        return v;
    }
    // A length-prefixed run of bytes (at most what is left).
    const uint8_t* bytes(size_t& length)
    {
        length = std::min<size_t>(value<uint16_t>(), m_size - m_pos);
        const uint8_t* p = m_data + m_pos;
        m_pos += length;
        return p;
    }
    std::string text()
    {
        size_t n = std::min<size_t>(value<uint8_t>(), m_size - m_pos);
        std::string s(reinterpret_cast<const char*>(m_data + m_pos), n);
        m_pos += n;
        return s;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// Checks what the handlers hand on, as a device session would use it.
class CheckingClient final : public SCAirPlayClient {
public:
    CheckingClient() : SCAirPlayClient(nullptr, "fuzz", 3) {}
    void audioPacket(const AVPacket* p) override
    {
        if (!p || p->size < 0 || p->duration < 0)
            __builtin_trap();
        touch(p);
    }
    void videoPackets(const AVPacket* converted, const AVPacket* received, int, int) override
    {
        if (!converted || !received || received->duration < 0 || converted->duration < 0)
            __builtin_trap();
        touch(converted);
        touch(received);
    }
    void audioFormat(const AVCodecParameters* par, uint32_t) override
    {
        if (!par || par->sample_rate <= 0 || par->ch_layout.nb_channels <= 0)
            __builtin_trap();
    }

private:
    static void touch(const AVPacket* p)
    {
        for (int i = 0; i < p->size + AV_INPUT_BUFFER_PADDING_SIZE; ++i)
            g_sink ^= p->data[i];
    }
};

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzSilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in(data, size);
    // end() deletes the client, as the service ends a channel.
    auto* client = new CheckingClient;
    while (!in.empty()) {
        switch (in.value<uint8_t>() % 6) {
        case 0: {
            const int kind = in.value<uint8_t>() % 3;
            const double t = in.value<double>();
            size_t n;
            const uint8_t* p = in.bytes(n);
            client->handleMirroringStarted(p, int(n), kind, t);
            break;
        }
        case 1: {
            const int kind = in.value<uint8_t>() % 3;
            const double t = in.value<double>();
            const int rotation = in.value<int32_t>();
            size_t n;
            const uint8_t* p = in.bytes(n);
            client->handleMirroringData(p, int(n), kind, t, rotation);
            break;
        }
        case 2: {
            const int bits = in.value<int32_t>();
            const int channels = in.value<int32_t>();
            const int rate = in.value<int32_t>();
            client->handleAudioFormat(bits, channels, rate, in.value<uint32_t>());
            break;
        }
        case 3: {
            const double t = in.value<double>();
            size_t n;
            const uint8_t* p = in.bytes(n);
            client->handleAudioData(p, int(n), t);
            break;
        }
        case 4: {
            const std::string name = in.text(), id = in.text(), version = in.text(), model = in.text();
            client->setInformation(name.c_str(), id.c_str(), version.c_str(), model.c_str());
            const int number = client->versionNumber();
            if (number < 0)
                __builtin_trap();
            break;
        }
        case 5:
            if (in.value<uint8_t>() & 1)
                client->audioStopped();
            else
                client->mirroringStopped();
            break;
        }
    }
    client->end();
    return 0;
}
