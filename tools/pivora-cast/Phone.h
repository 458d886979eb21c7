#pragma once
// One simulated phone: connects, mirrors its source, follows the receiver's requests.

#include "MediaSource.h"
#include "Options.h"
#include "PhoneLink.h"

#include <atomic>
#include <chrono>
#include <memory>

extern std::atomic<bool> g_interrupted;

class Phone {
public:
    // index: 1-based position among the process's phones; count: how many there are.
    Phone(const CastOptions& options, int index, int count);

    // Returns the process exit status this phone asks for (0 when it ended normally).
    int run();

private:
    std::unique_ptr<MediaSource> makeSource() const;
    bool shouldStop() const;
    void pace(double sendTime);
    // True when the source now encodes a new stream at the swapped size.
    bool rotate(double timestamp);
    bool sendUnit(const MediaUnit& unit);
    // Ends the mirroring and starts it over on the same connection, from the next key frame.
    void restartMirroring();
    void startMirroring();

    const CastOptions& m_options;
    cast::HelloMsg m_hello;
    std::unique_ptr<MediaSource> m_source;
    PhoneLink m_link;
    uint32_t m_rotation = cast::Upright;
    bool m_audioStarted = false;
    bool m_waitingForKey = false;
    double m_startSendTime = -1;
    std::chrono::steady_clock::time_point m_startClock;
};
