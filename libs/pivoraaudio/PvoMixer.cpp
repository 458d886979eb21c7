#include "PvoMixer.h"

#include <SDL2/SDL.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {
constexpr const char* kDummyDriver = "dummy";

void addInto(int32_t* sum, const int16_t* samples, int count)
{
    for (int i = 0; i < count * kMixChannels; ++i)
        sum[i] += samples[i];
}

void clipTo(int16_t* out, const int32_t* sum, int count)
{
    for (int i = 0; i < count * kMixChannels; ++i)
        out[i] = static_cast<int16_t>(std::clamp<int32_t>(sum[i], INT16_MIN, INT16_MAX));
}

bool onDummyDriver()
{
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver && strcmp(driver, kDummyDriver) == 0;
}
}

PvoMixer& PvoMixer::instance()
{
    // Never destroyed: a program that exits without de-initialising must not have its
    // threads joined from static destructors.
    static PvoMixer* mixer = new PvoMixer;
    return *mixer;
}

PvoMixer::PvoMixer()
    : m_clock(kPeriodFrames, kMixRate, [this] {
          int16_t discarded[kPeriodFrames * kMixChannels];
          render(discarded, kPeriodFrames);
      })
{
}

int PvoMixer::init()
{
    std::lock_guard<std::mutex> api(m_apiMutex);
    if (m_running) {
        pvoLog("the mixer is already initialised");
        return 0;
    }
    const int result = startDriver();
    {
        std::lock_guard<std::mutex> mix(m_mixMutex);
        m_running = true;
        for (auto& entry : m_sources)
            entry.second->source->setLive(true);
    }
    for (auto& mic : m_mics)
        mic.second->open();
    for (auto& output : m_outputs)
        output.second->start();
    if (m_playback)
        SDL_PauseAudioDevice(m_playback, 0);
    else
        m_clock.start();
    return result;
}

int PvoMixer::startDriver()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        pvoLog("cannot start the audio driver (%s); falling back to the dummy driver",
               SDL_GetError());
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, kDummyDriver, SDL_HINT_OVERRIDE);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            pvoLog("no audio driver could be started (%s); mixing without sound devices",
                   SDL_GetError());
            return -1;
        }
    }
    m_sdlStarted = true;
    if (!onDummyDriver() && !openPlayback()) {
        pvoLog("cannot open the default output device (%s); falling back to the dummy driver",
               SDL_GetError());
        // Restarts the driver in place; the subsystem stays counted once for this library.
        if (SDL_AudioInit(kDummyDriver) != 0) {
            pvoLog("the dummy audio driver failed (%s); mixing without sound devices",
                   SDL_GetError());
            return -1;
        }
    }
    if (!m_playback)
        pvoLog("audio driver '%s' has no output device to pace the mix; mixing on the mixer's "
               "own clock",
               SDL_GetCurrentAudioDriver());
    return 0;
}

bool PvoMixer::openPlayback()
{
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16LSB;
    want.channels = kMixChannels;
    want.samples = kPeriodFrames;
    want.callback = &PvoMixer::playbackCallback;
    want.userdata = this;
    SDL_AudioSpec have{};
    // SDL converts to what the device takes; the callback always sees the mixing format.
    m_playback = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    return m_playback != 0;
}

void PvoMixer::deinit()
{
    std::lock_guard<std::mutex> api(m_apiMutex);
    if (!m_running) {
        pvoLog("the mixer is not initialised");
        return;
    }
    // Mixing stops first, so nothing below races the mixing thread.
    if (m_playback) {
        SDL_CloseAudioDevice(m_playback);
        m_playback = 0;
    }
    m_clock.stop();
    for (auto& mic : m_mics)
        mic.second->close();
    for (auto& output : m_outputs)
        output.second->stop();
    {
        std::lock_guard<std::mutex> mix(m_mixMutex);
        m_running = false;
        for (auto& entry : m_sources)
            entry.second->source->setLive(false);
    }
    if (m_sdlStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        m_sdlStarted = false;
    }
}

tPvoAudio* PvoMixer::addSource(const char* name, bool enabled)
{
    auto entry = std::make_unique<SourceEntry>();
    entry->source = std::make_unique<PvoSource>(name ? name : "", enabled);
    entry->handle.reserved = nullptr;
    entry->handle.source = entry->source.get();
    tPvoAudio* handle = &entry->handle;
    std::lock_guard<std::mutex> api(m_apiMutex);
    std::lock_guard<std::mutex> mix(m_mixMutex);
    entry->source->setLive(m_running);
    m_sources.emplace(handle, std::move(entry));
    return handle;
}

void PvoMixer::removeSource(void* handle)
{
    std::unique_ptr<SourceEntry> entry;
    std::lock_guard<std::mutex> api(m_apiMutex);
    {
        std::lock_guard<std::mutex> mix(m_mixMutex);
        auto it = m_sources.find(static_cast<tPvoAudio*>(handle));
        if (it == m_sources.end()) {
            pvoLog("ignored the removal of an unknown source %p", handle);
            return;
        }
        entry = std::move(it->second);
        m_sources.erase(it);
    }
    // The mixing thread no longer sees the source; let a sender's call in progress finish.
    entry->source->waitIdle();
}

void* PvoMixer::addMic(const char* device)
{
    auto mic = std::make_unique<PvoMic>(device ? device : "");
    void* handle = mic.get();
    std::lock_guard<std::mutex> api(m_apiMutex);
    if (m_running)
        mic->open();
    std::lock_guard<std::mutex> mix(m_mixMutex);
    m_mics.emplace(handle, std::move(mic));
    return handle;
}

void PvoMixer::updateMic(void* handle, const char* device)
{
    std::lock_guard<std::mutex> api(m_apiMutex);
    auto it = m_mics.find(handle);
    if (it == m_mics.end()) {
        pvoLog("ignored the update of an unknown microphone %p", handle);
        return;
    }
    PvoMic& mic = *it->second;
    const std::string name = device ? device : "";
    if (name == mic.deviceName() && (mic.isOpen() || !m_running))
        return;
    mic.setDeviceName(name);
    if (m_running)
        mic.open();
}

void PvoMixer::removeMic(void* handle)
{
    std::unique_ptr<PvoMic> mic;
    std::lock_guard<std::mutex> api(m_apiMutex);
    {
        std::lock_guard<std::mutex> mix(m_mixMutex);
        auto it = m_mics.find(handle);
        if (it == m_mics.end()) {
            pvoLog("ignored the removal of an unknown microphone %p", handle);
            return;
        }
        mic = std::move(it->second);
        m_mics.erase(it);
    }
    mic->close();
}

void PvoMixer::testMic(void* handle, bool on)
{
    std::lock_guard<std::mutex> api(m_apiMutex);
    auto it = m_mics.find(handle);
    if (it == m_mics.end()) {
        pvoLog("ignored the test switch of an unknown microphone %p", handle);
        return;
    }
    if (it->second->testing() != on)
        pvoLog("microphone test %s", on ? "started: the microphone plays on the speakers" : "ended");
    it->second->setTesting(on);
}

void* PvoMixer::addOutput(PvoAudioOutputCallback callback)
{
    if (!callback) {
        pvoLog("ignored an output without a callback");
        return nullptr;
    }
    auto output = std::make_shared<PvoOutput>(callback);
    void* handle = output.get();
    std::lock_guard<std::mutex> api(m_apiMutex);
    if (m_running)
        output->start();
    std::lock_guard<std::mutex> mix(m_mixMutex);
    m_outputs.emplace(handle, std::move(output));
    return handle;
}

void PvoMixer::removeOutput(void* handle)
{
    std::shared_ptr<PvoOutput> output;
    std::lock_guard<std::mutex> api(m_apiMutex);
    {
        std::lock_guard<std::mutex> mix(m_mixMutex);
        auto it = m_outputs.find(handle);
        if (it == m_outputs.end()) {
            pvoLog("ignored the removal of an unknown output %p", handle);
            return;
        }
        output = std::move(it->second);
        m_outputs.erase(it);
    }
    output->stop();
}

int PvoMixer::enumCaptureDevices(PvoAudioDeviceCallback callback, void* context)
{
    std::vector<std::string> names;
    {
        std::lock_guard<std::mutex> api(m_apiMutex);
        if (!m_sdlStarted) {
            pvoLog("capture devices asked for while no audio driver runs");
            return 0;
        }
        const int count = SDL_GetNumAudioDevices(1);
        for (int i = 0; i < count; ++i) {
            if (const char* name = SDL_GetAudioDeviceName(i, 1))
                names.emplace_back(name);
        }
    }
    if (callback) {
        for (size_t i = 0; i < names.size(); ++i)
            callback(static_cast<int>(i), names[i].c_str(), context);
    }
    return static_cast<int>(names.size());
}

void SDLCALL PvoMixer::playbackCallback(void* self, Uint8* stream, int length)
{
    static_cast<PvoMixer*>(self)->render(reinterpret_cast<int16_t*>(stream),
                                         length / kMixFrameBytes);
}

void PvoMixer::render(int16_t* play, int count)
{
    std::lock_guard<std::mutex> mix(m_mixMutex);
    while (count > 0) {
        const int period = std::min(count, kPeriodFrames);
        renderPeriod(play, period);
        play += static_cast<size_t>(period) * kMixChannels;
        count -= period;
    }
}

void PvoMixer::renderPeriod(int16_t* play, int count)
{
    int32_t toSpeakers[kPeriodFrames * kMixChannels] = {};
    int32_t toOutputs[kPeriodFrames * kMixChannels] = {};
    int16_t samples[kPeriodFrames * kMixChannels];
    for (auto& entry : m_sources) {
        const int got = entry.second->source->take(samples, count);
        addInto(toSpeakers, samples, got);
        addInto(toOutputs, samples, got);
    }
    for (auto& mic : m_mics) {
        const int got = mic.second->source().take(samples, count);
        addInto(toOutputs, samples, got);
        if (mic.second->testing())
            addInto(toSpeakers, samples, got);
    }
    clipTo(play, toSpeakers, count);
    if (m_outputs.empty())
        return;
    clipTo(samples, toOutputs, count);
    for (auto& output : m_outputs)
        output.second->deliver(samples, count);
}
