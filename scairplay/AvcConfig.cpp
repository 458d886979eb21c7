#include "scairplay/AvcConfig.h"

#include "media/H264Sps.h"

#include <QtGlobal>

#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/mem.h>
#include <libavutil/pixfmt.h>
}

namespace {

constexpr char kStartCode[4] = {0, 0, 0, 1};
constexpr int kRecordHeaderBytes = 6; // version, profile, compatibility, level, length size, SPS count
constexpr int kNalTypeIdr = 5;

uint32_t readBigEndian(const uint8_t* p, int bytes)
{
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | p[i];
    return value;
}

// Reads `count` sets of a 2-byte length and its bytes from data[*pos..length). False when one
// is cut off; the complete ones are appended.
bool readParameterSets(const uint8_t* data, int length, int* pos, int count, QList<QByteArray>* sets)
{
    for (int i = 0; i < count; ++i) {
        if (length - *pos < 2)
            return false;
        const int size = static_cast<int>(readBigEndian(data + *pos, 2));
        if (size > length - *pos - 2)
            return false;
        sets->append(QByteArray(reinterpret_cast<const char*>(data + *pos + 2), size));
        *pos += 2 + size;
    }
    return true;
}

} // namespace

bool parseAvcConfigRecord(const uint8_t* data, int length, AvcConfigRecord* record)
{
    *record = AvcConfigRecord();
    if (!data || length < kRecordHeaderBytes) {
        qWarning("AVC configuration record too short (%d bytes)", data ? length : 0);
        return false;
    }
    int pos = kRecordHeaderBytes;
    if (!readParameterSets(data, length, &pos, data[5] & 0x1f, &record->sps)) {
        qWarning("AVC configuration record: sequence parameter set runs past the end (%d bytes)", length);
        return false;
    }
    if (pos >= length) {
        qWarning("AVC configuration record ends before its picture parameter set count");
        return false;
    }
    const int ppsCount = data[pos++];
    if (!readParameterSets(data, length, &pos, ppsCount, &record->pps)) {
        qWarning("AVC configuration record: picture parameter set runs past the end (%d bytes)", length);
        return false;
    }
    return true;
}

QByteArray avcConfigToAnnexB(const AvcConfigRecord& record)
{
    QByteArray out;
    for (const QList<QByteArray>* sets : {&record.sps, &record.pps}) {
        for (const QByteArray& set : *sets) {
            out.append(kStartCode, sizeof kStartCode);
            out.append(set);
        }
    }
    return out;
}

bool fillAvcVideoParameters(AVCodecParameters* par, const uint8_t* data, int length)
{
    if (!par)
        return false;
    par->codec_type = AVMEDIA_TYPE_VIDEO;
    par->codec_id = AV_CODEC_ID_H264;
    par->format = AV_PIX_FMT_YUV420P;
    par->width = 0;
    par->height = 0;

    av_freep(&par->extradata);
    par->extradata_size = 0;
    if (data && length > 0) {
        // The decoder reads extradata in padded chunks, so the copy carries zeroed padding.
        par->extradata = static_cast<uint8_t*>(av_mallocz(size_t(length) + AV_INPUT_BUFFER_PADDING_SIZE));
        if (!par->extradata) {
            qCritical("Out of memory for the H.264 extradata (%d bytes)", length);
            return false;
        }
        memcpy(par->extradata, data, size_t(length));
        par->extradata_size = length;
    }

    AvcConfigRecord record;
    const bool complete = parseAvcConfigRecord(data, length, &record);
    if (record.sps.isEmpty() || record.sps.first().size() < 2) {
        qWarning("AVC configuration record holds no sequence parameter set");
        return false;
    }
    // The parser takes the payload after the NAL header byte.
    const QByteArray& sps = record.sps.first();
    H264Sps parsed;
    const bool spsRead = parsed.parse(reinterpret_cast<const uint8_t*>(sps.constData()) + 1, sps.size() - 1);
    par->profile = parsed.profile();
    par->level = parsed.level();
    if (spsRead) {
        par->width = parsed.width();
        par->height = parsed.height();
    }
    if (par->width == 0 || par->height == 0) {
        par->width = 0;
        par->height = 0;
        qWarning("AVC configuration record: the sequence parameter set gives no picture size");
        return false;
    }
    return complete;
}

AvcNalRewrite rewriteNalLengthsToStartCodes(uint8_t* data, int length)
{
    AvcNalRewrite result;
    if (length <= 0)
        return result;
    if (!data) {
        qWarning("NAL unit data missing (%d bytes announced)", length);
        result.complete = false;
        return result;
    }
    int pos = 0;
    while (pos < length) {
        if (length - pos < 4) {
            qWarning("NAL unit length field cut off at byte %d of %d", pos, length);
            result.complete = false;
            break;
        }
        const uint32_t size = readBigEndian(data + pos, 4);
        if (size > uint32_t(length - pos - 4)) {
            qWarning("NAL unit length %u runs past the end (byte %d of %d)", size, pos, length);
            result.complete = false;
            break;
        }
        memcpy(data + pos, kStartCode, sizeof kStartCode);
        ++result.units;
        if (size > 0 && (data[pos + 4] & 0x1f) == kNalTypeIdr)
            result.keyFrame = true;
        pos += 4 + static_cast<int>(size);
    }
    return result;
}
