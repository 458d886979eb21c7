#include "PvoMic.h"

#include <SDL2/SDL.h>

namespace {
constexpr int kCaptureFrames = 512;
}

PvoMic::PvoMic(std::string device) : m_deviceName(std::move(device)), m_source("microphone", true)
{
    m_source.SetFormat(16, kMixChannels, kMixRate, 0);
}

PvoMic::~PvoMic()
{
    close();
}

void PvoMic::open()
{
    close();
    const char* name = m_deviceName.empty() ? nullptr : m_deviceName.c_str();
    m_device = openDevice(name);
    if (!m_device && name) {
        pvoLog("capture device '%s' is not available (%s); using the default capture device",
               name, SDL_GetError());
        m_device = openDevice(nullptr);
    }
    if (!m_device) {
        pvoLog("no capture device could be opened (%s); the microphone stays silent",
               SDL_GetError());
        return;
    }
    m_source.setLive(true);
    SDL_PauseAudioDevice(m_device, 0);
}

SDL_AudioDeviceID PvoMic::openDevice(const char* name)
{
    // SDL converts whatever the device delivers to the mixing format.
    SDL_AudioSpec want{};
    want.freq = kMixRate;
    want.format = AUDIO_S16LSB;
    want.channels = kMixChannels;
    want.samples = kCaptureFrames;
    want.callback = &PvoMic::captured;
    want.userdata = this;
    SDL_AudioSpec have{};
    return SDL_OpenAudioDevice(name, 1, &want, &have, 0);
}

void PvoMic::close()
{
    if (!m_device)
        return;
    SDL_CloseAudioDevice(m_device);
    m_device = 0;
    m_source.setLive(false);
}

void SDLCALL PvoMic::captured(void* self, Uint8* stream, int length)
{
    static_cast<PvoMic*>(self)->m_source.PushSamples(stream, length, 0, 0);
}
