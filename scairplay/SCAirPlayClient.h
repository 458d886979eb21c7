#pragma once
// One connected phone of the receiver engine, protocol side: turns the engine's H.264 and PCM
// callbacks into FFmpeg packets and codec parameters and follows the phone's rotation. Its
// callbacks run on the engine's threads; the identity accessors may be read from any thread.

#include "media/AVPtr.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

class PVDevice;
class SCAirPlayService;
struct AVCodecParameters;
struct AVPacket;

class SCAirPlayClient {
public:
    SCAirPlayClient(SCAirPlayService* service, const char* channelId, uint32_t kind);
    SCAirPlayClient(const SCAirPlayClient&) = delete;
    SCAirPlayClient& operator=(const SCAirPlayClient&) = delete;

    // Slot order of the overridable operations below is part of the layer's contract.
    /* 0 */ virtual ~SCAirPlayClient();
    // Audio stopped, mirroring stopped, then the object deletes itself.
    /* 1 */ virtual void end();
    /* 2 */ virtual void audioStopped();
    /* 3 */ virtual void mirroringStopped();
    /* 4 */ virtual void informationChanged(int majorMinor);
    /* 5 */ virtual PVDevice* deviceSession() const;
    /* 6 */ virtual void audioFormat(const AVCodecParameters* audioParameters, uint32_t extra);
    // The packet stays the caller's.
    /* 7 */ virtual void audioPacket(const AVPacket* packet);
    /* 8 */ virtual void streamStarted(const AVCodecParameters* video, const AVCodecParameters* audio);
    // Both packets stay the caller's.
    /* 9 */ virtual void videoPackets(const AVPacket* converted, const AVPacket* received, int dataKind,
                                      int rotation);
    /* 10 */ virtual void streamChanged(const AVCodecParameters* video, const AVCodecParameters* audio);
    /* 11 */ virtual void rotationChanged(int oldDir, int newDir);

    // Engine callbacks forwarded by the service.
    void handleMirroringStarted(const uint8_t* data, int length, int dataKind, double timestamp);
    void handleMirroringData(const uint8_t* data, int length, int dataKind, double timestamp, int rotation);
    void handleAudioFormat(int bitsPerSample, int channels, int sampleRate, uint32_t extra);
    void handleAudioData(const uint8_t* data, int length, double timestamp);
    void setInformation(const char* phoneName, const char* channelId, const char* systemVersion,
                        const char* model);

    SCAirPlayService* service() const { return m_service; }
    uint32_t deviceKind() const { return m_kind; }
    std::string channelIdUtf8() const;
    std::string modelIdUtf8() const;
    std::string systemVersionUtf8() const;
    std::string phoneNameUtf8() const;
    int versionNumber() const { return m_versionNumber.load(); }
    int rotation() const { return m_rotation.load(); }
    // Parameters of the current H.264 stream, null while not mirroring. They are replaced on
    // the engine thread when the phone sends a new configuration, so only the engine thread may
    // hold on to this pointer; other threads take a copy.
    const AVCodecParameters* videoParameters() const { return m_videoParameters.get(); }
    // Copies the current video parameters into out; false while not mirroring. Any thread.
    bool copyVideoParameters(AVCodecParameters* out) const;
    const AVCodecParameters* audioParameters() const { return m_audioParameters.get(); }
    // Portrait frame size (width <= height); 0x0 until a configuration gave a usable size.
    void portraitSize(int* width, int* height) const;

    // major × 100 + minor × 10 + patch of a "major.minor.patch" text; missing parts count 0.
    static int versionNumberOf(const std::string& systemVersion, int* majorMinor = nullptr);
    // Microseconds of a timestamp in seconds, truncated; 0 for values that are not finite.
    static int64_t toMicroseconds(double seconds);

protected:
    // Timestamp of the previous video unit, microseconds (engine thread).
    int64_t lastTimestamp() const { return m_lastTimestamp; }

private:
    void handleData(const uint8_t* data, int length, int dataKind, double timestamp, int rotation, bool first);
    bool buildStreamParameters(const uint8_t* data, int length);
    void updateFrameSize();

    SCAirPlayService* const m_service;
    const uint32_t m_kind;

    mutable std::mutex m_infoMutex;  // the texts and the frame size
    std::string m_channelId;
    std::string m_modelId;
    std::string m_systemVersion;
    std::string m_phoneName;
    int m_frameWidth = 0;
    int m_frameHeight = 0;

    std::atomic<int> m_versionNumber{0};
    std::atomic<int> m_rotation{0};

    // Engine thread only, except that m_videoParameters is also copied by other threads
    // under m_videoMutex (which the engine thread takes to replace it).
    int m_videoStreamIndex = -1;
    int64_t m_lastTimestamp = 0;
    int m_audioStreamIndex = -1;
    mutable std::mutex m_videoMutex;
    AVCodecParametersPtr m_videoParameters;
    AVCodecParametersPtr m_audioParameters;
    bool m_audioFromFormat = false;  // the audio parameters came from the phone's format
};
