#include "media/H264Sps.h"

#include "media/H264BitReader.h"

#include <QtGlobal>

#include <algorithm>

namespace {

// Profiles whose SPS carries the chroma format, bit depths and scaling matrices.
bool isHighProfile(int profileIdc)
{
    switch (profileIdc) {
    case 83: case 86: case 100: case 110: case 118: case 122: case 128: case 244: case 44:
        return true;
    default:
        return false;
    }
}

// The record is signed 32-bit; a larger code is kept as the largest value so that it stays
// impossible instead of turning negative.
int32_t toField(uint32_t ue)
{
    return static_cast<int32_t>(std::min<uint32_t>(ue, INT32_MAX));
}

// Fills one scaling list; entries go to values[0..size), the use-default flag to *useDefault.
void readScalingList(H264BitReader& reader, int32_t* values, int size, int32_t* useDefault)
{
    int last = 8;
    int next = 8;
    for (int j = 0; j < size; ++j) {
        if (next != 0) {
            const int64_t sum = int64_t(last) + reader.readSe() + 256;
            next = static_cast<int>(((sum % 256) + 256) % 256);
            *useDefault = (j == 0 && next == 0) ? 1 : 0;
        }
        values[j] = next == 0 ? last : next;
        last = values[j];
    }
}

} // namespace

bool H264Sps::parse(const uint8_t* data, int length)
{
    m_fields.fill(0);
    if (!data) {
        h264LogError(__LINE__, "SPS payload missing");
        return false;
    }
    const std::unique_ptr<H264BitReader> reader = H264BitReader::create(data, length);
    if (!reader)
        return false;
    H264BitReader& r = *reader;

    m_fields[ProfileIdc] = static_cast<int32_t>(r.readBits(8));
    for (int i = 0; i < 4; ++i)
        m_fields[ConstraintSet0Flag + i] = r.readBit();
    m_fields[ReservedZero4Bits] = static_cast<int32_t>(r.readBits(4));
    m_fields[LevelIdc] = static_cast<int32_t>(r.readBits(8));
    m_fields[SeqParameterSetId] = toField(r.readUe());

    if (isHighProfile(m_fields[ProfileIdc])) {
        m_fields[ChromaFormatIdc] = toField(r.readUe());
        if (m_fields[ChromaFormatIdc] == 3)
            m_fields[SeparateColourPlaneFlag] = r.readBit();
        m_fields[BitDepthLumaMinus8] = toField(r.readUe());
        m_fields[BitDepthChromaMinus8] = toField(r.readUe());
        m_fields[QpprimeYZeroTransformBypassFlag] = r.readBit();
        m_fields[SeqScalingMatrixPresentFlag] = r.readBit();
        if (m_fields[SeqScalingMatrixPresentFlag]) {
            const int lists = m_fields[ChromaFormatIdc] == 3 ? 12 : 8;
            for (int i = 0; i < lists && !r.overran(); ++i) {
                m_fields[SeqScalingListPresentFlag + i] = r.readBit();
                if (!m_fields[SeqScalingListPresentFlag + i])
                    continue;
                int32_t* useDefault = &m_fields[UseDefaultScalingMatrixFlag + i];
                if (i < 6)
                    readScalingList(r, &m_fields[ScalingList4x4 + i * 16], 16, useDefault);
                else
                    readScalingList(r, &m_fields[ScalingList8x8 + (i - 6) * 64], 64, useDefault);
            }
        }
    }

    m_fields[Log2MaxFrameNumMinus4] = toField(r.readUe());
    m_fields[PicOrderCntType] = toField(r.readUe());
    if (m_fields[PicOrderCntType] == 0) {
        m_fields[Log2MaxPicOrderCntLsbMinus4] = toField(r.readUe());
    } else if (m_fields[PicOrderCntType] == 1) {
        m_fields[DeltaPicOrderAlwaysZeroFlag] = r.readBit();
        m_fields[OffsetForNonRefPic] = r.readSe();
        m_fields[OffsetForTopToBottomField] = r.readSe();
        m_fields[NumRefFramesInPicOrderCntCycle] = toField(r.readUe());
        // At most 255 by the standard; a larger count would walk far past any real payload.
        if (m_fields[NumRefFramesInPicOrderCntCycle] > 255) {
            h264LogError(__LINE__, "SPS num_ref_frames_in_pic_order_cnt_cycle out of range");
            return false;
        }
        for (int i = 0; i < m_fields[NumRefFramesInPicOrderCntCycle]; ++i) {
            const int32_t offset = r.readSe();
            if (i < kStoredRefFrameOffsets)
                m_fields[OffsetForRefFrame + i] = offset;
        }
    }

    m_fields[MaxNumRefFrames] = toField(r.readUe());
    m_fields[GapsInFrameNumValueAllowedFlag] = r.readBit();
    m_fields[PicWidthInMbsMinus1] = toField(r.readUe());
    m_fields[PicHeightInMapUnitsMinus1] = toField(r.readUe());
    m_fields[FrameMbsOnlyFlag] = r.readBit();
    if (!m_fields[FrameMbsOnlyFlag])
        m_fields[MbAdaptiveFrameFieldFlag] = r.readBit();
    m_fields[Direct8x8InferenceFlag] = r.readBit();
    m_fields[FrameCroppingFlag] = r.readBit();
    if (m_fields[FrameCroppingFlag]) {
        m_fields[FrameCropLeftOffset] = toField(r.readUe());
        m_fields[FrameCropRightOffset] = toField(r.readUe());
        m_fields[FrameCropTopOffset] = toField(r.readUe());
        m_fields[FrameCropBottomOffset] = toField(r.readUe());
    }
    m_fields[VuiParametersPresentFlag] = r.readBit();

    if (r.overran()) {
        h264LogError(__LINE__, "SPS payload ends before its last field");
        return false;
    }
    return true;
}

bool H264Sps::hasChromaFields() const
{
    return isHighProfile(m_fields[ProfileIdc]);
}

// Cropping counts in chroma samples: 2 luma columns for 4:2:0 and 4:2:2, 1 for 4:4:4 and
// monochrome (or separate colour planes); rows likewise, doubled for field coding.
int H264Sps::cropUnitX() const
{
    if (!hasChromaFields())
        return 2;
    if (m_fields[SeparateColourPlaneFlag] || m_fields[ChromaFormatIdc] == 0 || m_fields[ChromaFormatIdc] == 3)
        return 1;
    return 2;
}

int H264Sps::cropUnitY() const
{
    const int fieldFactor = 2 - (m_fields[FrameMbsOnlyFlag] ? 1 : 0);
    if (!hasChromaFields())
        return 2 * fieldFactor;
    const int chroma = m_fields[SeparateColourPlaneFlag] ? 0 : m_fields[ChromaFormatIdc];
    return (chroma == 1 || chroma > 3 ? 2 : 1) * fieldFactor;
}

int H264Sps::width() const
{
    const int64_t full = (int64_t(m_fields[PicWidthInMbsMinus1]) + 1) * 16;
    const int64_t crop = int64_t(cropUnitX()) *
        (int64_t(m_fields[FrameCropLeftOffset]) + m_fields[FrameCropRightOffset]);
    const int64_t value = full - crop;
    if (value <= 0 || value > kMaxPictureSide) {
        qWarning("\"%s\" line %d [err]: impossible picture width %lld", kH264LogUnit, __LINE__,
                 static_cast<long long>(value));
        return 0;
    }
    return static_cast<int>(value);
}

int H264Sps::height() const
{
    const int64_t fieldFactor = 2 - (m_fields[FrameMbsOnlyFlag] ? 1 : 0);
    const int64_t full = fieldFactor * (int64_t(m_fields[PicHeightInMapUnitsMinus1]) + 1) * 16;
    const int64_t crop = int64_t(cropUnitY()) *
        (int64_t(m_fields[FrameCropTopOffset]) + m_fields[FrameCropBottomOffset]);
    const int64_t value = full - crop;
    if (value <= 0 || value > kMaxPictureSide) {
        qWarning("\"%s\" line %d [err]: impossible picture height %lld", kH264LogUnit, __LINE__,
                 static_cast<long long>(value));
        return 0;
    }
    return static_cast<int>(value);
}
