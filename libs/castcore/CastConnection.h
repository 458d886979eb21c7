#pragma once
// One phone's connection to the receiver engine: a reader thread that turns the phone's
// frames into callbacks, and a locked writer for the program's requests to the phone.

#include "CastProtocol.h"
#include "CastSocket.h"

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

class CastEngine;
class IAirPlayCallback;

class CastConnection {
public:
    CastConnection(CastEngine& engine, int fd, int serial, std::string peer);
    ~CastConnection();
    CastConnection(const CastConnection&) = delete;
    CastConnection& operator=(const CastConnection&) = delete;

    // Longest HELLO payload taken; anything longer before HELLO closes the connection unread.
    static constexpr uint32_t kMaxHelloPayload = 4096;
    static constexpr auto kHelloDeadline = std::chrono::seconds(10);

    void start();
    // Reads and handles the phone's frames on the calling thread until the connection ends;
    // the connection's own thread runs it (and the fuzzer drives it directly).
    void serve();
    void join();
    bool finished() const { return m_finished.load(); }
    int serial() const { return m_serial; }
    // Still waiting for its HELLO frame.
    bool awaitingHello() const { return !m_helloReceived.load() && !m_finished.load(); }
    // Closes a connection whose HELLO did not arrive in time; true when it was such a one.
    bool expireIfHelloLate(std::chrono::steady_clock::time_point now);

    // The program's handle once the phone was connected; null before and after refusal.
    void* handle() const { return m_handle.load(); }
    void setHandle(void* handle) { m_handle.store(handle); }
    // True while callbacks for this connection's handle may still be made.
    bool live() const;

    // Sends a frame to the phone from any thread; a failed send closes the connection.
    bool send(uint8_t type, const std::vector<uint8_t>& payload);
    // The program ended the channel: no more callbacks, DISCONNECT, then close.
    void disconnectByProgram();
    // Another connection took over this handle (the phone reconnected): close quietly.
    void supersede();
    // Wakes the reader and ends the connection (engine stop).
    void abort();

private:
    bool handleFrame(const cast::Frame& frame);
    bool handleHello(const std::vector<uint8_t>& payload);
    // The WELCOME status that refuses this HELLO (logged), or -1 when the phone may come in.
    int helloRefusal(const cast::HelloMsg& hello);
    // The access gate's answer for a phone, telling it to wait when the gate asks the user.
    int admit(const cast::HelloMsg& hello);
    void logReadEnd(cast::ReadResult result, const cast::Frame& frame, const std::string& error);
    bool dispatch(const cast::Frame& frame, IAirPlayCallback* cb, void* h);
    bool refuse(uint8_t status);
    bool mirroringRequired(const cast::Frame& frame);
    bool malformed(const cast::Frame& frame);
    void endChannel();
    void drainUntilClosed();
    void shutdownBoth();

    CastEngine& m_engine;
    const int m_fd;
    const int m_serial;
    const std::string m_peer;
    const std::chrono::steady_clock::time_point m_acceptedAt;
    std::thread m_thread;
    std::mutex m_writeMutex;
    bool m_writeClosed = false;  // under m_writeMutex

    std::atomic<void*> m_handle{nullptr};
    std::atomic<bool> m_dropped{false};
    std::atomic<bool> m_superseded{false};
    std::atomic<bool> m_finished{false};
    std::atomic<bool> m_helloReceived{false};
    std::atomic<bool> m_expired{false};

    // Reader thread only.
    bool m_helloDone = false;
    bool m_mirroring = false;
    bool m_warnedBeforeStart = false;
    bool m_hasPhoneSlot = false;
};
