#include "Phone.h"

#include "FileSource.h"
#include "PatternSource.h"

#include <chrono>
#include <cstdio>
#include <thread>

std::atomic<bool> g_interrupted{false};

namespace {

// Turning order of the phone: upright, 90, 180, 270 degrees.
uint32_t nextOrientation(uint32_t r)
{
    switch (r) {
    case cast::Upright: return cast::TurnedLeft;
    case cast::TurnedLeft: return cast::UpsideDown;
    case cast::UpsideDown: return cast::TurnedRight;
    default: return cast::Upright;
    }
}

std::string withSuffix(const std::string& text, const char* separator, int index, int count)
{
    return count > 1 ? text + separator + std::to_string(index) : text;
}

} // namespace

Phone::Phone(const CastOptions& options, int index, int count) : m_options(options)
{
    m_hello.kind = uint8_t(options.kind);
    m_hello.channelId = withSuffix(options.id, "-", index, count);
    m_hello.phoneName = withSuffix(options.name, " ", index, count);
    m_hello.systemVersion = options.systemVersion;
    m_hello.model = options.model;
    m_hello.accessCode = options.pin;
}

std::unique_ptr<MediaSource> Phone::makeSource() const
{
    if (!m_options.file.empty())
        return std::make_unique<FileSource>(m_options.file, m_options.duration > 0);
    return std::make_unique<PatternSource>(m_options.patternWidth, m_options.patternHeight, m_options.patternFps);
}

bool Phone::shouldStop() const
{
    return g_interrupted.load() || m_link.disconnectRequested() || m_link.closed();
}

void Phone::pace(double sendTime)
{
    if (m_startSendTime < 0) {
        m_startSendTime = sendTime;
        m_startClock = std::chrono::steady_clock::now();
    }
    if (m_options.fast)
        return;
    const auto due = m_startClock + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                        std::chrono::duration<double>(sendTime - m_startSendTime));
    // Sleep in short steps so a DISCONNECT or Ctrl+C is noticed promptly.
    while (!shouldStop() && std::chrono::steady_clock::now() < due)
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(
            due - std::chrono::steady_clock::now(), std::chrono::milliseconds(50)));
}

// A quarter turn: a source that re-encodes at the swapped size announces the new stream
// with its configuration record and FRAME_SIZE; the rotation code rides on every VIDEO.
bool Phone::rotate(double timestamp)
{
    const uint32_t next = nextOrientation(m_rotation);
    m_link.send(cast::Rotated, cast::encodeRotated(m_rotation, next));
    m_rotation = next;
    if (m_source->swapOrientation()) {
        const std::vector<uint8_t>& record = m_source->configRecord();
        m_link.send(cast::Video, cast::encodeVideo(timestamp, 1, m_rotation, record.data(), record.size()));
        m_link.send(cast::FrameSize, {});
        return true;
    }
    return false;
}

void Phone::startMirroring()
{
    m_link.send(cast::MirrorStart,
                cast::encodeMirrorStart(m_source->width(), m_source->height(), 0.0, m_source->configRecord()));
}

void Phone::restartMirroring()
{
    m_link.send(cast::MirrorStop, {});
    startMirroring();
    // The new stream must begin with a picture that decodes on its own.
    m_source->requestKeyFrame();
    m_waitingForKey = true;
}

bool Phone::sendUnit(const MediaUnit& unit)
{
    if (unit.kind == MediaUnit::Video) {
        if (unit.data.empty())
            return true;
        if (m_waitingForKey && !unit.key)
            return true;
        m_waitingForKey = false;
        return m_link.send(cast::Video,
                           cast::encodeVideo(unit.timestamp, 0, m_rotation, unit.data.data(), unit.data.size()));
    }
    if (!m_audioStarted) {
        m_audioStarted = true;
        m_link.send(cast::AudioFormat, cast::encodeAudioFormat(m_source->audioFormat()));
    }
    return m_link.send(cast::AudioData,
                       cast::encodeAudioData(unit.timestamp, 0, unit.data.data(), unit.data.size()));
}

int Phone::run()
{
    const std::string who = "pivora-cast: phone \"" + m_hello.channelId + "\": ";
    m_source = makeSource();
    std::string error;
    if (!m_source->open(error)) {
        std::fprintf(stderr, "%s%s\n", who.c_str(), error.c_str());
        return 1;
    }
    if (!m_link.connect(m_options.host, m_options.port, m_hello, error)) {
        std::fprintf(stderr, "%s%s\n", who.c_str(), error.c_str());
        return 1;
    }
    MediaSource* source = m_source.get();
    m_link.startReader({[source] { source->requestKeyFrame(); },
                        [source](float x, float y) { source->setTouch(x, y); }});

    startMirroring();
    double nextTurn = m_options.rotateEvery;
    double nextRestart = m_options.restartEvery;
    MediaUnit unit;
    while (!shouldStop() && source->next(unit)) {
        const double elapsed = m_startSendTime < 0 ? 0 : unit.sendTime - m_startSendTime;
        if (m_options.duration > 0 && elapsed >= m_options.duration)
            break;
        pace(unit.sendTime);
        if (shouldStop())
            break;
        if (m_options.rotateEvery > 0 && elapsed >= nextTurn) {
            nextTurn += m_options.rotateEvery;
            // A picture encoded before a re-encoding turn belongs to the old stream.
            if (rotate(unit.timestamp) && unit.kind == MediaUnit::Video)
                continue;
        }
        if (m_options.restartEvery > 0 && elapsed >= nextRestart) {
            nextRestart += m_options.restartEvery;
            restartMirroring();
        }
        if (!sendUnit(unit))
            break;
    }

    const bool disconnected = m_link.disconnectRequested();
    const bool lost = m_link.closed() && !disconnected;
    if (!disconnected && !lost) {
        m_link.send(cast::MirrorStop, {});
        if (m_audioStarted)
            m_link.send(cast::AudioStop, {});
    }
    m_link.finish(!disconnected && !lost);
    if (lost && !m_link.disconnectRequested()) {
        std::fprintf(stderr, "%sthe receiver closed the connection\n", who.c_str());
        return 3;
    }
    return 0;
}
