// Exported functions of the mixer library.

// First, so that the declarations it makes are the exported ones.
#pragma GCC visibility push(default)
#include "media/pvoaudio.h"
#pragma GCC visibility pop

#include "PvoLog.h"
#include "PvoMixer.h"

extern "C" {

int pvoAudioInit()
{
    return PvoMixer::instance().init();
}

void pvoAudioDeInit()
{
    PvoMixer::instance().deinit();
}

tPvoAudio* pvoAudioAddSource(char* name, bool enabled)
{
    return PvoMixer::instance().addSource(name, enabled);
}

void pvoAudioRemoveSource(void* source)
{
    PvoMixer::instance().removeSource(source);
}

void* pvoAudioAddMicSource(bool, const char* device)
{
    return PvoMixer::instance().addMic(device);
}

void pvoAudioUpdateMicSource(void* mic, const char* device)
{
    PvoMixer::instance().updateMic(mic, device);
}

void pvoAudioRemoveMicSource(void* mic)
{
    PvoMixer::instance().removeMic(mic);
}

void pvoAudioTestMicSource(void* mic, bool on)
{
    PvoMixer::instance().testMic(mic, on);
}

void* pvoAudioAddOutput(PvoAudioOutputCallback callback)
{
    return PvoMixer::instance().addOutput(callback);
}

void pvoAudioRemoveOutput(void* output)
{
    PvoMixer::instance().removeOutput(output);
}

void pvoAudioSetLogCallback(PvoAudioLogCallback callback)
{
    pvoSetLogCallback(callback);
}

int pvoAudioEnumCaptureDevices(PvoAudioDeviceCallback callback, void* context)
{
    return PvoMixer::instance().enumCaptureDevices(callback, context);
}
}
