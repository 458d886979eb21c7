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
// Each output has a delivery thread of its own fed through a queue, so a slow callback never
// stalls playback or other outputs; the bytes are valid only during the call. Once
// pvoAudioRemoveOutput returns (from any other thread) the callback is not running and is not
// called again.
typedef void (*PvoAudioOutputCallback)(const uint8_t* data, int length);

// Receives one log line of the mixer (no prefix, no newline), from any of its threads. Without
// one the mixer writes "pivoraaudio: <line>" to stderr.
typedef void (*PvoAudioLogCallback)(const char* line);

// Receives one capture device: its position in the list and its name in UTF-8, the name that
// pvoAudioAddMicSource accepts. The name is valid only during the call.
typedef void (*PvoAudioDeviceCallback)(int index, const char* name, void* context);

// Handles stay valid from their add to their remove, across pvoAudioDeInit and a later
// pvoAudioInit (the mixer stops and resumes them); an unknown handle is ignored with a log line.
// pvoAudioAddSource copies the name (used in log lines); a source added with enabled false
// drops its samples. Its source object may be called from any thread; pvoAudioRemoveSource
// waits for a call in progress, and the object must not be called once removal has begun.
// Samples play in arrival order (timestamps, flags and the format tag are not used); bits per
// sample 8 (unsigned), 16 (signed) or 32 (float), 1 or 2 channels, 1000 to 384000 Hz; any other
// format is refused with a log line and samples are dropped until a supported one is set. A
// source buffers at most 500 ms; a sender that runs ahead loses its oldest samples.
// The microphone joins what outputs receive; it is played on the speakers only while its test
// mode is on. The boolean of pvoAudioAddMicSource is not used; a device name that no capture
// device has falls back to the default device.
extern "C" {
// 0 when a sound driver runs (SDL's dummy driver when no device is usable), -1 when none does;
// in both cases the mix reaches outputs at real-time pace.
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

// Null restores the stderr log.
void pvoAudioSetLogCallback(PvoAudioLogCallback callback);
// Calls back once per capture device (the mixer must be initialised) and returns the count;
// 0 when there is none or the mixer is not initialised. The callback runs on the calling
// thread, outside the mixer's locks.
int pvoAudioEnumCaptureDevices(PvoAudioDeviceCallback callback, void* context);
}
