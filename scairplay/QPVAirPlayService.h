#pragma once
// The receiver service as the rest of the program sees it: creates Qt-aware channels and
// reports the engine's channel events as signals. The signals are emitted on the engine's
// threads; receivers on the GUI thread must check that a client is still listed
// (indexOfChannel) before using it, since a queued event can outlive its channel.
// didAirPlayMirroringRotated is also emitted from inside a channel's video callback, which a
// removal waits for; it must never be connected blocking.

#include "scairplay/SCAirPlayService.h"

#include <QObject>
#include <QStringList>

class QPVAirPlayClient;

class QPVAirPlayService : public QObject, public SCAirPlayService {
    Q_OBJECT
public:
    // Tries per port when the preferred one is busy (each try one number higher).
    static constexpr int kPortAttempts = 10;

    explicit QPVAirPlayService(QObject* parent = nullptr);
    ~QPVAirPlayService() override;

    void* Connect(const char* channelId, uint32_t kind) override;
    void Disconnected(void* handle) override;
    void Information(void* handle, const char* phoneName, const char* channelId,
                     const char* systemVersion, const char* model) override;
    void MirroringStarted(void* handle, int width, int height, const uint8_t* data, int length,
                          int dataKind, double timestamp) override;
    void MirroringStopped(void* handle) override;
    void FrameSizeChanged(void* handle) override;
    void Rotated(void* handle, int oldRotation, int newRotation) override;
    SCAirPlayClient* clientFromHandle(void* handle) const override;
    void* createChannel(const char* channelId, uint32_t kind) override;
    bool reservePorts(int* ports, int count) override;

    // The listed client at a position, or null.
    QPVAirPlayClient* clientAt(int index) const;
    int indexOfClient(const QPVAirPlayClient* client) const;
    bool isListed(const QPVAirPlayClient* client) const { return indexOfClient(client) >= 0; }
    QPVAirPlayClient* findClientByPhoneName(const QString& phoneName) const;
    void removeClient(QPVAirPlayClient* client);

    // First free port from `port` on, trying at most `attempts` numbers; -1 when none.
    int findFreePort(int port, int attempts);

    // Who may mirror (the "receiverAccess" setting) and the phones allowed for good.
    void setAccessMode(SCReceiverAccess::Mode mode);
    void setRememberedPhones(const QStringList& channelIds);
    // The code phones must give while the mode is "pin" (fresh for each service); empty in the
    // other modes. didAccessCodeChanged tells when this changes.
    QString accessCode() const;

signals:
    void didFindNewChannel(QPVAirPlayClient* client);
    void didStopChannel(QPVAirPlayClient* client);
    void didDeviceInfoChanged(QPVAirPlayClient* client);
    void didAirPlayMirroringPlay(QPVAirPlayClient* client);
    void didAirPlayMirroringStop(QPVAirPlayClient* client);
    void didAirPlayMirroringFrameSizeChanged(QPVAirPlayClient* client);
    void didAirPlayMirroringRotated(QPVAirPlayClient* client, int oldDir, int newDir);
    // A phone that is not remembered wants to mirror while the mode is "ask". Emitted on the
    // phone's connection thread, which waits for the answer when the receiver is connected
    // blocking queued: set *answer to an SCReceiverAccess::Answer (it starts as Deny).
    void didAskAccess(const QString& phoneName, const QString& channelId, const QString& address, int* answer);
    void didAccessCodeChanged(const QString& code);

protected:
    void shutDownEngine() override;
    SCReceiverAccess::Answer askAccess(const SCReceiverAccess::Phone& phone) override;
    // Whether a TCP server can listen on the port on every address right now.
    virtual bool probePort(int port);

private:
    QPVAirPlayClient* listedClient(void* handle) const;
};
