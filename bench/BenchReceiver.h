#pragma once
// Receiver side of the end-to-end benchmarks: the service run as the program runs it (one
// device session and window per phone), with a tap between the engine and the service that
// notes when each access unit arrives, and a listener on every window that notes when its
// frame reaches the renderer, and on every renderer that notes when it paints.

#include "scairplay/CAirPlayEx.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

class QMDControlCenter;
class QPVAirPlayClient;
class QPVAirPlayService;

// What one phone did since the last reset.
struct ChannelFigures {
    int64_t units = 0;   // access units the engine handed over
    int64_t shown = 0;   // frames that reached the renderer
    int64_t painted = 0; // times the renderer painted (a frame, or an expose)
    int64_t matched = 0; // shown frames whose access unit was seen (latency samples)
    std::vector<double> latencyMs;
};

// Forwards every engine call to the service unchanged; MirroringData first takes the time.
class CallbackTap : public IAirPlayCallback {
public:
    explicit CallbackTap(IAirPlayCallback* target) : m_target(target) {}

    void setRecordLatency(bool on);
    // Starts a measurement window: counts and samples of every phone start from zero.
    void reset();
    QMap<QString, ChannelFigures> figures() const;
    // GUI thread: a window handed the frame with this timestamp to its renderer.
    void frameShown(const std::string& channelId, int64_t pts);
    // GUI thread: a window's renderer painted.
    void framePainted(const std::string& channelId);

    void* Connect(const char* channelId, uint32_t kind) override;
    void Disconnected(void* handle) override;
    void InformationLegacy(void* handle, const char* phoneName, const char* channelId,
                           const char* systemVersion, const char* model) override;
    void MirroringStarted(void* handle, int width, int height, const uint8_t* data, int length, int dataKind,
                          double timestamp) override;
    void MirroringData(void* handle, const uint8_t* data, int length, int dataKind, double timestamp,
                       uint32_t rotation) override;
    void MirroringStopped(void* handle) override;
    void AudioFormat(void* handle, int bitsPerSample, int channels, int sampleRate, uint32_t tag) override;
    void AudioData(void* handle, const uint8_t* data, int length, double timestamp, uint32_t tag) override;
    void AudioStopped(void* handle) override;
    void Notify9(void* handle) override { m_target->Notify9(handle); }
    void DisconnectChannel(void* handle) override;
    void Information(void* handle, const char* phoneName, const char* channelId, const char* systemVersion,
                     const char* model) override;
    void Notify13(void* handle) override { m_target->Notify13(handle); }
    void Notify14(void* handle) override { m_target->Notify14(handle); }
    void Notify15(void* handle) override { m_target->Notify15(handle); }
    void Notify16(void* handle) override { m_target->Notify16(handle); }
    void Notify17(void* handle) override { m_target->Notify17(handle); }
    void Notify18(void* handle) override { m_target->Notify18(handle); }
    void Notify19(void* handle) override { m_target->Notify19(handle); }
    void Notify20(void* handle) override { m_target->Notify20(handle); }
    void Notify21(void* handle) override { m_target->Notify21(handle); }
    void Notify22(void* handle) override { m_target->Notify22(handle); }
    void FrameSizeChanged(void* handle) override;
    void Rotated(void* handle, int oldRotation, int newRotation) override;

private:
    using Clock = std::chrono::steady_clock;
    struct Channel {
        ChannelFigures figures;
        std::unordered_map<int64_t, Clock::time_point> arrivals;
    };

    IAirPlayCallback* m_target;
    mutable std::mutex m_mutex;
    bool m_recordLatency = false;
    std::unordered_map<void*, std::string> m_handles;
    std::unordered_map<std::string, Channel> m_channels;
};

class BenchReceiver : public QObject {
    Q_OBJECT
public:
    BenchReceiver();
    ~BenchReceiver() override;

    // Starts the service on loopback-reachable ports and puts the tap in front of it.
    bool start();
    int port() const;
    QPVAirPlayService* service() const { return m_service.get(); }
    CallbackTap& tap() { return *m_tap; }
    // Phones (channel id starting with the prefix) whose window has shown at least one frame.
    // Phones that have gone may still be counted: give each run its own prefix.
    int phonesShowing(const QString& prefix = QString()) const;
    // The engine the phone windows draw with ("raster", "OpenGL"), as the settings chose it.
    QString renderEngineName() const { return m_renderEngine; }

    // The multi-device center over the whole screen, told of phones as the application tells
    // it; phones that connect while it is open go straight into it.
    QMDControlCenter* openCenter();
    void closeCenter();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void newChannel(QPVAirPlayClient* client);
    void stopChannel(QPVAirPlayClient* client);
    void updateChannel(QPVAirPlayClient* client);

private:
    // The tap is declared first so it outlives the service, whose engine calls it until stopped.
    std::unique_ptr<CallbackTap> m_tap;
    std::unique_ptr<QPVAirPlayService> m_service;
    QMap<QString, bool> m_showing;
    std::unordered_map<QObject*, std::string> m_renderers;
    QString m_renderEngine = QStringLiteral("none (no window)");
    QPointer<QMDControlCenter> m_center;
};
