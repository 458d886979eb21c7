#pragma once
// Blocking POSIX socket helpers for cast connections, used by both ends.

#include "CastProtocol.h"

#include <string>

namespace cast {

enum class ReadResult {
    Frame,      // a whole frame was read
    Closed,     // the peer closed between frames
    Truncated,  // the peer closed inside a frame
    TooLarge,   // the announced payload exceeds the limit; nothing of it was read
    Error,      // a socket error or receive timeout; errorText tells which
};

// Reads one frame whose payload is at most maxPayload bytes. Payload memory is reused between
// calls and grows with the bytes that really arrive, not with the length a peer announces.
ReadResult readFrame(int fd, Frame& frame, std::string& errorText, uint32_t maxPayload = kMaxPayload);

// Writes the whole buffer (no SIGPIPE on a closed peer); false on error or send timeout.
bool writeAll(int fd, const uint8_t* data, size_t size);
bool writeFrame(int fd, uint8_t type, const std::vector<uint8_t>& payload);

// A listening socket on every local address (IPv6 with IPv4 mapped when available), or -1.
int listenTcp(int port, std::string& errorText);
// A connected socket to host:port, or -1.
int connectTcp(const std::string& host, int port, std::string& errorText);

void setSendTimeout(int fd, int milliseconds);
void setReceiveTimeout(int fd, int milliseconds);
// The port a bound socket listens on, 0 when unknown.
int localPort(int fd);

} // namespace cast
