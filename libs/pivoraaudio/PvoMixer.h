#pragma once
// The mixer behind the exported functions: the registered sources, microphones and outputs,
// and the engine that mixes them, either in the sound device's callback or, without a real
// device, on its own clock.

#include <SDL2/SDL_audio.h>

#include <map>
#include <memory>
#include <mutex>

#include "PvoClock.h"
#include "PvoMic.h"
#include "PvoOutput.h"
#include "PvoSource.h"

class PvoMixer {
public:
    static PvoMixer& instance();

    // 0 when the mixer runs on a sound driver (the dummy one included), -1 when no driver
    // could be started; the mix then still runs for the outputs.
    int init();
    void deinit();

    tPvoAudio* addSource(const char* name, bool enabled);
    void removeSource(void* handle);
    void* addMic(const char* device);
    void updateMic(void* handle, const char* device);
    void removeMic(void* handle);
    void testMic(void* handle, bool on);
    void* addOutput(PvoAudioOutputCallback callback);
    void removeOutput(void* handle);
    int enumCaptureDevices(PvoAudioDeviceCallback callback, void* context);

    // Mixes count frames: the phones (and a microphone under test) into play, everything
    // into the outputs. Called on the mixing thread.
    void render(int16_t* play, int count);

    // Frames mixed per period: 10 ms.
    static constexpr int kPeriodFrames = kMixRate / 100;

private:
    PvoMixer();
    int startDriver();
    bool openPlayback();
    void renderPeriod(int16_t* play, int count);
    static void SDLCALL playbackCallback(void* self, Uint8* stream, int length);

    struct SourceEntry {
        tPvoAudio handle;
        std::unique_ptr<PvoSource> source;
    };

    // Serialises the exported functions (they open devices and join threads).
    std::mutex m_apiMutex;
    bool m_running = false;
    bool m_sdlStarted = false;
    SDL_AudioDeviceID m_playback = 0;
    PvoClock m_clock;

    // Guards the registries against the mixing thread.
    std::mutex m_mixMutex;
    std::map<tPvoAudio*, std::unique_ptr<SourceEntry>> m_sources;
    std::map<void*, std::unique_ptr<PvoMic>> m_mics;
    std::map<void*, std::shared_ptr<PvoOutput>> m_outputs;
};
