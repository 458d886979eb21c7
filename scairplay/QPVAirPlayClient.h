#pragma once
// One connected phone as the rest of the program sees it: binds the protocol side to the
// phone's device session (PVDevice) and to its source in the audio mixer. The callbacks run on
// the engine's threads and reach the session only through its queued signals.

#include "scairplay/SCAirPlayClient.h"

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>

#include <mutex>

class PVDevice;
class QPVAirPlayService;
struct tPvoAudio;

class QPVAirPlayClient : public QObject, public SCAirPlayClient {
    Q_OBJECT
public:
    QPVAirPlayClient(QPVAirPlayService* service, const char* channelId, uint32_t kind);
    ~QPVAirPlayClient() override;

    QPVAirPlayService* airplayService() const { return m_airplayService; }
    QString channelId() const;
    QString modelId() const;
    QString systemVersion() const;
    QString phoneName() const;
    // Portrait size of the phone's picture; invalid until known.
    QSize frameSize() const;

    PVDevice* deviceSession() const override;
    // Makes a new device session for this channel (GUI thread). A session made for an earlier
    // connection of the same phone is ended first, so its window does not linger.
    void createDeviceSession();

public slots:
    // The user closed the phone's window: end the channel.
    void shutdownDevice();

protected:
    void audioStopped() override;
    void mirroringStopped() override;
    void informationChanged(int majorMinor) override;
    void audioFormat(const AVCodecParameters* audioParameters, uint32_t extra) override;
    void audioPacket(const AVPacket* packet) override;
    void streamStarted(const AVCodecParameters* video, const AVCodecParameters* audio) override;
    void videoPackets(const AVPacket* converted, const AVPacket* received, int dataKind, int rotation) override;
    void streamChanged(const AVCodecParameters* video, const AVCodecParameters* audio) override;
    void rotationChanged(int oldDir, int newDir) override;

private:
    void announceStream(const AVCodecParameters* video, bool first);

    // The phone's source in the audio mixer.
    void addAudioSource();
    void removeAudioSource();
    void setAudioSourceFormat(int bitsPerSample, int channels, int sampleRate, uint32_t extra);
    void pushAudio(const uint8_t* data, int size, double ptsMicroseconds);
    void stopAudioSource();

    QPVAirPlayService* const m_airplayService;
    // Held while a callback emits on the session, so the GUI thread cannot delete it meanwhile.
    mutable std::mutex m_sessionMutex;
    QPointer<PVDevice> m_session;
    bool m_waitingForKeyFrame = true;  // engine thread
    tPvoAudio* m_audioSource = nullptr;
};
