#pragma once
// Conversions between the two H.264 byte-stream layouts: start codes (what an encoder or a
// transport stream gives) and 4-byte length prefixes with an AVC configuration record (what
// MP4 holds and what the cast protocol carries).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace h264 {

struct NalSpan {
    const uint8_t* data;
    size_t size;
};

// NAL units of a start-code stream, without their start codes.
std::vector<NalSpan> splitAnnexB(const uint8_t* data, size_t size);
// The same units, each behind a 4-byte big-endian length.
std::vector<uint8_t> annexBToLengthPrefixed(const uint8_t* data, size_t size);
// An AVC decoder configuration record holding the stream's SPS and PPS units; empty when
// the stream has no SPS or its first SPS is too short.
std::vector<uint8_t> configRecordFromAnnexB(const uint8_t* data, size_t size);
// True when some NAL unit of a length-prefixed access unit is an IDR slice.
bool containsIdr(const uint8_t* data, size_t size);

} // namespace h264
