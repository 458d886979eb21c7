#pragma once
// The phone's end of a cast connection: handshake, locked sends, and a reader thread that
// reports the receiver's control messages.

#include "CastProtocol.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class PhoneLink {
public:
    struct Handlers {
        std::function<void()> keyFrame;
        std::function<void(float x, float y)> touch;
    };

    PhoneLink() = default;
    ~PhoneLink();
    PhoneLink(const PhoneLink&) = delete;
    PhoneLink& operator=(const PhoneLink&) = delete;

    // Connects and says HELLO; false with a message when unreachable or not welcomed.
    bool connect(const std::string& host, int port, const cast::HelloMsg& hello, std::string& error);
    void startReader(Handlers handlers);
    bool send(uint8_t type, const std::vector<uint8_t>& payload);

    bool disconnectRequested() const { return m_disconnectRequested.load(); }
    // The connection ended: the receiver closed it, or a send or read failed.
    bool closed() const { return m_closed.load(); }

    // Ends the connection: BYE when asked, then waits (bounded) until the receiver closes,
    // so every control message it sent before is still reported.
    void finish(bool sayBye);

private:
    bool readWelcome(cast::Frame& frame, std::string& error);
    void readLoop();
    bool handleFrame(const cast::Frame& frame);

    int m_fd = -1;
    std::mutex m_writeMutex;
    std::thread m_reader;
    Handlers m_handlers;
    std::atomic<bool> m_disconnectRequested{false};
    std::atomic<bool> m_closed{false};
    std::atomic<bool> m_finishing{false};
};
