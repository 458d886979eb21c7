#pragma once
// Turning the phone's AVC data into what the decoder and the muxers take: the decoder
// configuration record into parameter sets and codec parameters, and length-prefixed NAL units
// into start-code form. Everything here reads outside input and checks every length against
// the buffer it came with.

#include <QByteArray>
#include <QList>

#include <cstdint>

struct AVCodecParameters;

// Parameter sets of an AVC decoder configuration record, each a whole NAL unit (header byte
// first), in record order.
struct AvcConfigRecord {
    QList<QByteArray> sps;
    QList<QByteArray> pps;
};

// Reads the sequence and picture parameter sets of a configuration record. Reading stops at
// the first set whose length runs past the end; every complete set before it is kept. Returns
// false, with a log line, when the record is shorter than its header or a set (or a count)
// is cut off.
bool parseAvcConfigRecord(const uint8_t* data, int length, AvcConfigRecord* record);

// Every set prefixed with 00 00 00 01: the sequence parameter sets, then the picture ones.
QByteArray avcConfigToAnnexB(const AvcConfigRecord& record);

// Fills freshly allocated parameters for the stream a configuration record describes: video,
// H.264, YUV 4:2:0 planar, extradata a zero-padded copy of the whole record, profile, level,
// width and height from its first sequence parameter set. Returns false, with a log line,
// when the record is cut off or its first sequence parameter set gives no size; the
// parameters then carry what could be read (width and height 0 when unknown).
bool fillAvcVideoParameters(AVCodecParameters* par, const uint8_t* data, int length);

struct AvcNalRewrite {
    bool keyFrame = false; // an IDR unit (type 5) was seen
    bool complete = true;  // every byte belonged to a whole unit
    int units = 0;         // length fields replaced
};

// Replaces, in place, the 4-byte big-endian length before each NAL unit with the start code
// 00 00 00 01. A length that runs past the end, or a length field cut off at the end, stops
// the walk (with a log line); the bytes from there on stay as they are.
AvcNalRewrite rewriteNalLengthsToStartCodes(uint8_t* data, int length);
