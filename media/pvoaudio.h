#pragma once
// Contract of the audio mixer library (libpivoraaudio): one source per phone, an optional
// microphone source, and outputs that receive the mix as S16 stereo 44100 Hz PCM.

#include <cstdint>

// The object behind a source handle; called on the receiver engine's threads.
class IPvoAudioSource {
public:
    virtual void SetFormat(int bitsPerSample, int channels, int sampleRate, unsigned tag) = 0;
    virtual void PushSamples(const uint8_t* data, int size, double timestampUs, int flags) = 0;
    virtual void Stop() = 0;

protected:
    ~IPvoAudioSource() = default;
};

// A source handle; the program uses only its second field.
struct tPvoAudio {
    void* reserved;
    IPvoAudioSource* source;
};

// Receives mixed PCM (signed 16-bit, 44100 Hz, 2 channels, interleaved) on a mixer thread.
typedef void (*PvoAudioOutputCallback)(const uint8_t* data, int length);

extern "C" {
int pvoAudioInit();
void pvoAudioDeInit();
tPvoAudio* pvoAudioAddSource(char* name, bool enabled);
void pvoAudioRemoveSource(void* source);
void* pvoAudioAddMicSource(bool reserved, const char* device);
void pvoAudioUpdateMicSource(void* mic, const char* device);
void pvoAudioRemoveMicSource(void* mic);
void pvoAudioTestMicSource(void* mic, bool on);
void* pvoAudioAddOutput(PvoAudioOutputCallback callback);
void pvoAudioRemoveOutput(void* output);
}
