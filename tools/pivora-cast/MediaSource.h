#pragma once
// What a simulated phone streams: an H.264 picture source, optionally with PCM sound.

#include "CastProtocol.h"

#include <atomic>
#include <string>
#include <vector>

struct MediaUnit {
    enum Kind { Video, Audio };
    Kind kind = Video;
    double timestamp = 0;  // presentation time, seconds
    double sendTime = 0;   // when it is due on a real-time clock, seconds from the start
    bool key = false;
    std::vector<uint8_t> data;  // video: length-prefixed NAL units; audio: interleaved S16 LE
};

class MediaSource {
public:
    virtual ~MediaSource() = default;

    virtual bool open(std::string& error) = 0;
    // False at the end of the material (or on a read error, which the source has reported).
    virtual bool next(MediaUnit& unit) = 0;

    virtual int width() const = 0;
    virtual int height() const = 0;
    virtual const std::vector<uint8_t>& configRecord() const = 0;
    virtual bool hasAudio() const { return false; }
    virtual cast::AudioFormatMsg audioFormat() const { return {}; }

    // The picture turns by a quarter: true when the source now encodes the swapped size
    // (a new configuration record); false when it keeps its picture.
    virtual bool swapOrientation() { return false; }
    // Where the receiver's last touch landed, 0..1 of the picture.
    virtual void setTouch(float /*x*/, float /*y*/) {}

    // Called from the connection's reader thread.
    void requestKeyFrame() { m_keyFrameRequested.store(true); }

protected:
    bool takeKeyFrameRequest() { return m_keyFrameRequested.exchange(false); }

private:
    std::atomic<bool> m_keyFrameRequested{false};
};
