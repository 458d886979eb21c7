// Feeds arbitrary bytes through the cast frame parser and every payload decoder.

#include "CastProtocol.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

void decodePayload(const cast::Frame& frame)
{
    switch (frame.type) {
    case cast::Hello: { cast::HelloMsg m; cast::decodeHello(frame.payload, m); break; }
    case cast::Info: { cast::InfoMsg m; cast::decodeInfo(frame.payload, m); break; }
    case cast::MirrorStart: {
        cast::MirrorStartMsg m;
        // The record must lie inside the payload.
        if (cast::decodeMirrorStart(frame.payload, m) && m.recordLength &&
            (m.record < frame.payload.data() || m.record + m.recordLength > frame.payload.data() + frame.payload.size()))
            __builtin_trap();
        break;
    }
    case cast::Video: {
        cast::VideoMsg m;
        if (cast::decodeVideo(frame.payload, m) && m.length &&
            (m.data < frame.payload.data() || m.data + m.length > frame.payload.data() + frame.payload.size()))
            __builtin_trap();
        break;
    }
    case cast::Rotated: { cast::RotatedMsg m; cast::decodeRotated(frame.payload, m); break; }
    case cast::AudioFormat: { cast::AudioFormatMsg m; cast::decodeAudioFormat(frame.payload, m); break; }
    case cast::AudioData: { cast::AudioDataMsg m; cast::decodeAudioData(frame.payload, m); break; }
    case cast::Welcome: { cast::WelcomeMsg m; cast::decodeWelcome(frame.payload, m); break; }
    case cast::Touch: {
        std::vector<cast::TouchRecord> records;
        if (cast::decodeTouch(frame.payload, records)) {
            // What decodes must encode back to the same bytes (trailing bytes aside).
            const std::vector<uint8_t> again = cast::encodeTouch(records.data(), records.size());
            if (again.size() > frame.payload.size() ||
                !std::equal(again.begin(), again.end(), frame.payload.begin()))
                __builtin_trap();
        }
        break;
    }
    case cast::Key: { cast::KeyMsg m; cast::decodeKey(frame.payload, m); break; }
    case cast::SystemKey: { uint32_t mask; cast::decodeSystemKey(frame.payload, mask); break; }
    default: break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    cast::Frame frame;
    size_t consumed = 0;
    while (size > 0 && cast::parseFrame(data, size, frame, consumed) == cast::ParseStatus::Complete) {
        decodePayload(frame);
        data += consumed;
        size -= consumed;
    }
    return 0;
}
