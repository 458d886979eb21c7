#pragma once
// The receiver service, engine side: creates and starts the receiver engine, runs the
// multicast DNS responder, keeps the list of connected channels and forwards the engine's
// callbacks to them. The callbacks arrive on the engine's threads; the list is shared with
// the thread that owns the service and guarded by one mutex.

#include "scairplay/CAirPlayEx.h"
#include "scairplay/SCAirPlayServiceOptions.h"
#include "scairplay/SCReceiverAccess.h"

#include <atomic>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class SCAirPlayClient;
struct CastcoreAccessRequest;

class SCAirPlayService : public IAirPlayCallback {
public:
    static constexpr int kNameBufferSize = 128;
    static constexpr int kPortCount = 3;

    SCAirPlayService();
    ~SCAirPlayService() override;

    /* 0 */ void* Connect(const char* channelId, uint32_t kind) override;
    /* 1 */ void Disconnected(void* handle) override;
    /* 2 */ void InformationLegacy(void* handle, const char* phoneName, const char* channelId,
                                   const char* systemVersion, const char* model) override;
    /* 3 */ void MirroringStarted(void* handle, int width, int height, const uint8_t* data, int length,
                                  int dataKind, double timestamp) override;
    /* 4 */ void MirroringData(void* handle, const uint8_t* data, int length, int dataKind, double timestamp,
                               uint32_t rotation) override;
    /* 5 */ void MirroringStopped(void* handle) override;
    /* 6 */ void AudioFormat(void* handle, int bitsPerSample, int channels, int sampleRate, uint32_t tag) override;
    /* 7 */ void AudioData(void* handle, const uint8_t* data, int length, double timestamp, uint32_t tag) override;
    /* 8 */ void AudioStopped(void* handle) override;
    /* 9 */ void Notify9(void*) override {}
    /* 11 */ void DisconnectChannel(void* handle) override;
    /* 12 */ void Information(void* handle, const char* phoneName, const char* channelId,
                             const char* systemVersion, const char* model) override;
    /* 13 */ void Notify13(void*) override {}
    /* 14 */ void Notify14(void*) override {}
    /* 15 */ void Notify15(void*) override {}
    /* 16 */ void Notify16(void*) override {}
    /* 17 */ void Notify17(void*) override {}
    /* 18 */ void Notify18(void*) override {}
    /* 19 */ void Notify19(void*) override {}
    /* 20 */ void Notify20(void*) override {}
    /* 21 */ void Notify21(void*) override {}
    /* 22 */ void Notify22(void*) override {}
    /* 23 */ void FrameSizeChanged(void* handle) override;
    /* 24 */ void Rotated(void* handle, int oldRotation, int newRotation) override;
    /* 25 */ virtual SCAirPlayClient* clientFromHandle(void* handle) const;
    /* 26 */ virtual void* createChannel(const char* channelId, uint32_t kind);
    // Replaces busy port numbers by free ones; false when no usable set was found.
    /* 27 */ virtual bool reservePorts(int* ports, int count);

    bool start(const char* name, const SCAirPlayServiceOptions* options);
    void setName(const char* name);
    void applyOptions(const SCAirPlayServiceOptions* options);
    void stop();
    // Disconnects and ends every channel without reporting it.
    void disconnectAllChannels();
    // Ends a listed channel; waits for callbacks that are using it to return first. Must not be
    // called from inside one of that channel's callbacks.
    void removeChannel(void* handle);
    int channelCount() const;
    int indexOfChannel(void* handle) const;
    // The channel at a list position, or null.
    void* channelAt(int index) const;
    void* findChannelByPhoneName(const char* phoneName) const;

    bool isStarted() const { return m_started.load(); }
    int startResult() const { return m_startResult; }
    std::string name() const;
    // The ports the engine was started with.
    const int* ports() const { return m_ports; }
    CAirPlayEx* engine() const { return m_engine.load(); }
    // Who may mirror; the engine asks it for every phone before the connect callback.
    SCReceiverAccess& access() { return m_access; }
    const SCReceiverAccess& access() const { return m_access; }

protected:
    // Forwarded callbacks hold a use of their channel, so that removal waits for them.
    class ChannelUse {
    public:
        ChannelUse(SCAirPlayService* service, void* handle);
        ~ChannelUse();
        ChannelUse(const ChannelUse&) = delete;
        ChannelUse& operator=(const ChannelUse&) = delete;
        SCAirPlayClient* client() const { return m_client; }

    private:
        SCAirPlayService* m_service;
        void* m_handle;
        SCAirPlayClient* m_client = nullptr;
    };

    // Stops and releases the engine; the blocking part of stop().
    virtual void shutDownEngine();
    // Asks the user whether a phone may mirror (on the phone's connection thread, may block);
    // the base has nobody to ask.
    virtual SCReceiverAccess::Answer askAccess(const SCReceiverAccess::Phone& phone);
    // Finds or creates the channel for an identifier; created tells which.
    void* connectChannel(const char* channelId, uint32_t kind, bool* created);
    void storeInformation(void* handle, const char* phoneName, const char* channelId,
                          const char* systemVersion, const char* model);
    bool forwardMirroringStarted(void* handle, const uint8_t* data, int length, int dataKind, double timestamp);
    bool forwardMirroringStopped(void* handle);

private:
    static SCReceiverAccess::Phone accessPhone(const CastcoreAccessRequest* request);
    static int checkAccessGate(void* service, const CastcoreAccessRequest* request);
    static int askAccessGate(void* service, const CastcoreAccessRequest* request);
    void copyName(const char* name);
    void startResponder();
    // Announces the current name and first port while started, withdraws otherwise.
    void announceReceiver();
    void stopResponder();
    void endChannel(void* handle);
    void waitUntilUnused(std::unique_lock<std::mutex>& lock, void* handle);

    // Also read while the engine is being stopped on a helper thread.
    std::atomic<bool> m_started{false};
    int m_startResult = -1;
    std::atomic<CAirPlayEx*> m_engine{nullptr};
    std::unique_ptr<CAirPlayFactory> m_factory;
    int m_ports[kPortCount] = {0, 0, 0};

    mutable std::mutex m_channelMutex;
    std::condition_variable m_channelIdle;
    std::vector<void*> m_channels;      // in connection order
    std::map<void*, int> m_channelUses;  // callbacks running per channel

    SCReceiverAccess m_access;

    mutable std::mutex m_nameMutex;
    char m_name[kNameBufferSize] = {0};

    struct ResponderExit;
    void* m_responderLibrary = nullptr;
    std::thread m_responderThread;
    std::shared_ptr<ResponderExit> m_responderExit;
    bool m_responderAbandoned = false;
};
