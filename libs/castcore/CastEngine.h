#pragma once
// The receiver engine: listens for phones on one TCP port and serves each over the cast
// protocol on its own thread.

#include "CastAccess.h"
#include "scairplay/CAirPlayEx.h"

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class CastConnection;

// Values the program hands to the engine; kept for the phones' benefit, not interpreted.
struct CastEngineSettings {
    int iosWiredFps = 0;
    int iosWiredResolution = 0;
    bool enableHID = false;
    int androidWiredFps = 0;
    int androidWiredResolution = 0;
    int androidSystemVersion = 0;
    int androidWiredBitrate = 0;
    bool androidWiredMic = false;
    bool androidWiredHID = false;
    int iosWirelessResolution = 0;
    int iosWirelessFps = 0;
    int androidWirelessFps = 0;
    int androidWirelessResolution = 0;
    int androidWirelessBitrate = 0;
    bool androidWirelessMic = false;
    int intSetting = 0;
    int ports[3] = {0, 0, 0};
};

class CastEngine final : public CAirPlayEx {
public:
    // Start answers 0 or one of these.
    enum StartResult { Started = 0, AlreadyStarted = 1, CannotListen = 2, NoThread = 3 };
    // Phones served at once; a further one is answered "busy".
    static constexpr size_t kMaxPhones = 128;
    // Connections still owing their HELLO; more are closed as soon as they are accepted, so
    // half-open connections cannot pile up.
    static constexpr size_t kMaxAwaitingHello = 64;

    CastEngine();
    ~CastEngine();

    void Reserved0() override {}
    int Start(const char* reserved1, const char* reserved2,
              int iosWiredFps, int iosWiredResolution, bool enableHID,
              int androidWiredFps, int androidWiredResolution, int androidSystemVersion,
              int androidWiredBitrate, bool androidWiredMic, bool androidWiredHID,
              const char* receiverName,
              int iosWirelessResolution, int iosWirelessFps,
              int port1, int port2, int port3,
              int androidWirelessFps, int androidWirelessResolution,
              int androidWirelessBitrate, bool androidWirelessMic) override;
    void SetCallback(IAirPlayCallback* callback) override;
    void SetName(const char* receiverName) override;
    void SetIntSetting(int value) override;
    void Stop() override;
    void SetAndroidWiredResolution(int value) override;
    void SetAndroidSystemVersion(int value) override;
    void SetAndroidWiredFps(int value) override;
    void SetAndroidWiredBitrate(int value) override;
    void SetAndroidWiredMic(bool value) override;
    void SetAndroidWiredHID(bool value) override;
    void SetIosWiredFps(int value) override;
    void SetIosWiredResolution(int value) override;
    void SetEnableHID(bool value) override;
    void SetIosWirelessFps(int value) override;
    void SetIosWirelessResolution(int value) override;
    void SetAndroidWirelessResolution(int value) override;
    void SetAndroidWirelessMic(bool value) override;
    void SetAndroidWirelessFps(int value) override;
    void SetAndroidWirelessBitrate(int value) override;
    void Disconnect(void* handle) override;
    void Reserved22() override {}
    void Reserved23() override {}
    void Touch(void* handle, const CAirPlayTouchRecord* records, int count) override;
    void Key(void* handle, int action, uint32_t keyCode) override;
    void SystemKey(void* handle, uint32_t mask) override;
    void RequestKeyFrame(void* handle) override;

    // For connections and tests.
    IAirPlayCallback* callback() const { return m_callback.load(); }
    bool stopping() const { return m_stopping.load(); }
    int listeningPort() const { return m_port.load(); }
    std::string name() const;
    CastEngineSettings settings() const;
    // Binds the handle to this connection; an older connection with the same handle is
    // closed without a disconnected callback, so the handle ends exactly once.
    void adoptHandle(CastConnection* connection, void* handle);
    // One of the kMaxPhones places; false when all are taken.
    bool takePhoneSlot();
    void releasePhoneSlot();
    int phoneCount() const { return m_phoneSlots.load(); }
    // The access gate's WELCOME status for a phone; pending runs before the gate asks its user.
    int admit(const CastcoreAccessRequest& request, const std::function<void()>& pending);
    void setAccessGate(const CastcoreAccessGate* gate);

private:
    void acceptLoop();
    void acceptOne();
    void reapFinished();
    void expireLateHellos();
    size_t awaitingHelloCount() const;  // under m_mutex
    std::shared_ptr<CastConnection> findByHandle(void* handle);
    void sendTo(void* handle, uint8_t type, const std::vector<uint8_t>& payload);
    template <typename T> void store(T CastEngineSettings::*field, T value);

    mutable std::mutex m_mutex;  // connections, settings, name
    std::vector<std::shared_ptr<CastConnection>> m_connections;
    CastEngineSettings m_settings;
    std::string m_name;
    int m_nextSerial = 1;
    CastcoreAccessGate m_gate{nullptr, nullptr, nullptr};
    std::atomic<int> m_phoneSlots{0};

    std::mutex m_lifecycleMutex;  // Start and Stop
    std::atomic<IAirPlayCallback*> m_callback{nullptr};
    std::atomic<bool> m_stopping{false};
    std::atomic<int> m_port{0};
    int m_listenFd = -1;
    int m_wakePipe[2] = {-1, -1};
    std::thread m_acceptThread;
};
