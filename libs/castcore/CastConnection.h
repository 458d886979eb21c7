#pragma once
// One phone's connection to the receiver engine: a reader thread that turns the phone's
// frames into callbacks, and a locked writer for the program's requests to the phone.

#include "CastProtocol.h"

#include <atomic>
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

    void start();
    void join();
    bool finished() const { return m_finished.load(); }
    int serial() const { return m_serial; }

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
    void run();
    bool handleFrame(const cast::Frame& frame);
    bool handleHello(const std::vector<uint8_t>& payload);
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
    std::thread m_thread;
    std::mutex m_writeMutex;
    bool m_writeClosed = false;  // under m_writeMutex

    std::atomic<void*> m_handle{nullptr};
    std::atomic<bool> m_dropped{false};
    std::atomic<bool> m_superseded{false};
    std::atomic<bool> m_finished{false};

    // Reader thread only.
    bool m_helloDone = false;
    bool m_mirroring = false;
    bool m_warnedBeforeStart = false;
};
