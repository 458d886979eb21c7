#pragma once
// The microphone: an SDL capture device whose sound enters the mix as one more source. It
// goes to the outputs always, and to the speakers only in test mode, so the user can hear it
// without the microphone echoing the phones in normal use.

#include <SDL2/SDL_audio.h>

#include <atomic>
#include <string>

#include "PvoSource.h"

class PvoMic {
public:
    // device: SDL capture device name; empty for the default device.
    explicit PvoMic(std::string device);
    ~PvoMic();

    // Open and close the capture device (API thread only). A name that no device has falls
    // back to the default device, with a log line.
    void open();
    void close();
    bool isOpen() const { return m_device != 0; }

    const std::string& deviceName() const { return m_deviceName; }
    void setDeviceName(std::string device) { m_deviceName = std::move(device); }

    void setTesting(bool on) { m_testing.store(on); }
    bool testing() const { return m_testing.load(); }

    PvoSource& source() { return m_source; }

private:
    static void SDLCALL captured(void* self, Uint8* stream, int length);
    SDL_AudioDeviceID openDevice(const char* name);

    std::string m_deviceName;
    SDL_AudioDeviceID m_device = 0;
    std::atomic<bool> m_testing{false};
    PvoSource m_source;
};
