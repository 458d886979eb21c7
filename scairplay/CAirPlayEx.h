#pragma once
// Contract of the receiver engine library (libcastcore). The program links only
// CAirPlayFactory::Create/Destroy; everything else is reached through the virtual
// tables below, whose slot order is fixed by the library and must not change.

#include <cstdint>

// One touch record as the engine expects it for kind-3 (Android) devices.
struct CAirPlayTouchRecord {
    uint32_t pressed;   // 1 while down
    uint32_t pointerId;
    float x;            // 0..1 of the picture
    float y;
};
static_assert(sizeof(CAirPlayTouchRecord) == 16, "touch records are 16 bytes on the wire");

class IAirPlayCallback {
public:
    /* 0 */ virtual void* Connect(const char* channelId, uint32_t kind) = 0;
    /* 1 */ virtual void Disconnected(void* handle) = 0;
    /* 2 */ virtual void InformationLegacy(void* handle, const char* phoneName, const char* channelId,
                                           const char* systemVersion, const char* model) = 0;
    /* 3 */ virtual void MirroringStarted(void* handle, int width, int height, const uint8_t* data, int length,
                                          int dataKind, double timestamp) = 0;
    /* 4 */ virtual void MirroringData(void* handle, const uint8_t* data, int length, int dataKind,
                                       double timestamp, uint32_t rotation) = 0;
    /* 5 */ virtual void MirroringStopped(void* handle) = 0;
    /* 6 */ virtual void AudioFormat(void* handle, int bitsPerSample, int channels, int sampleRate, uint32_t tag) = 0;
    /* 7 */ virtual void AudioData(void* handle, const uint8_t* data, int length, double timestamp, uint32_t tag) = 0;
    /* 8 */ virtual void AudioStopped(void* handle) = 0;
    /* 9 */ virtual void Notify9(void* handle) = 0;
    /* 10 */ virtual ~IAirPlayCallback() = default;
    /* 11 */ virtual void DisconnectChannel(void* handle) = 0;
    /* 12 */ virtual void Information(void* handle, const char* phoneName, const char* channelId,
                                     const char* systemVersion, const char* model) = 0;
    /* 13 */ virtual void Notify13(void* handle) = 0;
    /* 14 */ virtual void Notify14(void* handle) = 0;
    /* 15 */ virtual void Notify15(void* handle) = 0;
    /* 16 */ virtual void Notify16(void* handle) = 0;
    /* 17 */ virtual void Notify17(void* handle) = 0;
    /* 18 */ virtual void Notify18(void* handle) = 0;
    /* 19 */ virtual void Notify19(void* handle) = 0;
    /* 20 */ virtual void Notify20(void* handle) = 0;
    /* 21 */ virtual void Notify21(void* handle) = 0;
    /* 22 */ virtual void Notify22(void* handle) = 0;
    /* 23 */ virtual void FrameSizeChanged(void* handle) = 0;
    /* 24 */ virtual void Rotated(void* handle, int oldRotation, int newRotation) = 0;
};

class CAirPlayEx {
public:
    /* 0 */ virtual void Reserved0() = 0;
    /* 1 */ virtual int Start(const char* reserved1, const char* reserved2,
                              int iosWiredFps, int iosWiredResolution, bool enableHID,
                              int androidWiredFps, int androidWiredResolution, int androidSystemVersion,
                              int androidWiredBitrate, bool androidWiredMic, bool androidWiredHID,
                              const char* receiverName,
                              int iosWirelessResolution, int iosWirelessFps,
                              int port1, int port2, int port3,
                              int androidWirelessFps, int androidWirelessResolution,
                              int androidWirelessBitrate, bool androidWirelessMic) = 0;
    /* 2 */ virtual void SetCallback(IAirPlayCallback* callback) = 0;
    /* 3 */ virtual void SetName(const char* receiverName) = 0;
    /* 4 */ virtual void SetIntSetting(int value) = 0;
    /* 5 */ virtual void Stop() = 0;
    /* 6 */ virtual void SetAndroidWiredResolution(int value) = 0;
    /* 7 */ virtual void SetAndroidSystemVersion(int value) = 0;
    /* 8 */ virtual void SetAndroidWiredFps(int value) = 0;
    /* 9 */ virtual void SetAndroidWiredBitrate(int value) = 0;
    /* 10 */ virtual void SetAndroidWiredMic(bool value) = 0;
    /* 11 */ virtual void SetAndroidWiredHID(bool value) = 0;
    /* 12 */ virtual void SetIosWiredFps(int value) = 0;
    /* 13 */ virtual void SetIosWiredResolution(int value) = 0;
    /* 14 */ virtual void SetEnableHID(bool value) = 0;
    /* 15 */ virtual void SetIosWirelessFps(int value) = 0;
    /* 16 */ virtual void SetIosWirelessResolution(int value) = 0;
    /* 17 */ virtual void SetAndroidWirelessResolution(int value) = 0;
    /* 18 */ virtual void SetAndroidWirelessMic(bool value) = 0;
    /* 19 */ virtual void SetAndroidWirelessFps(int value) = 0;
    /* 20 */ virtual void SetAndroidWirelessBitrate(int value) = 0;
    /* 21 */ virtual void Disconnect(void* handle) = 0;
    /* 22 */ virtual void Reserved22() = 0;
    /* 23 */ virtual void Reserved23() = 0;
    /* 24 */ virtual void Touch(void* handle, const CAirPlayTouchRecord* records, int count) = 0;
    /* 25 */ virtual void Key(void* handle, int action, uint32_t keyCode) = 0;
    /* 26 */ virtual void SystemKey(void* handle, uint32_t mask) = 0;
    /* 27 */ virtual void RequestKeyFrame(void* handle) = 0;

protected:
    // Engines are released through CAirPlayFactory::Destroy, never deleted by the program.
    ~CAirPlayEx() = default;
};

class CAirPlayFactory {
public:
    static CAirPlayEx* Create();
    static void Destroy(CAirPlayEx* engine);
};
