#pragma once
// Sequence parameter set of an H.264 stream, parsed far enough to know the picture size,
// profile and level before the first frame is decoded. The VUI is not parsed.

#include <array>
#include <cstdint>

class H264Sps {
public:
    // Indices into the record; fields the stream does not carry stay 0.
    enum Field {
        ProfileIdc = 0,
        ConstraintSet0Flag = 1,
        ConstraintSet1Flag = 2,
        ConstraintSet2Flag = 3,
        ConstraintSet3Flag = 4,
        ReservedZero4Bits = 5,
        LevelIdc = 6,
        SeqParameterSetId = 7,
        ChromaFormatIdc = 8,
        SeparateColourPlaneFlag = 9,
        BitDepthLumaMinus8 = 10,
        BitDepthChromaMinus8 = 11,
        QpprimeYZeroTransformBypassFlag = 12,
        SeqScalingMatrixPresentFlag = 13,
        SeqScalingListPresentFlag = 14, // 12 flags
        UseDefaultScalingMatrixFlag = 26, // 12 flags
        ScalingList4x4 = 38, // 6 lists of 16
        ScalingList8x8 = 134, // 6 lists of 64
        Log2MaxFrameNumMinus4 = 518,
        PicOrderCntType = 519,
        Log2MaxPicOrderCntLsbMinus4 = 520,
        DeltaPicOrderAlwaysZeroFlag = 521,
        OffsetForNonRefPic = 522,
        OffsetForTopToBottomField = 523,
        NumRefFramesInPicOrderCntCycle = 524,
        OffsetForRefFrame = 525, // the first 16
        MaxNumRefFrames = 541,
        GapsInFrameNumValueAllowedFlag = 542,
        PicWidthInMbsMinus1 = 543,
        PicHeightInMapUnitsMinus1 = 544,
        FrameMbsOnlyFlag = 545,
        MbAdaptiveFrameFieldFlag = 546,
        Direct8x8InferenceFlag = 547,
        FrameCroppingFlag = 548,
        FrameCropLeftOffset = 549,
        FrameCropRightOffset = 550,
        FrameCropTopOffset = 551,
        FrameCropBottomOffset = 552,
        VuiParametersPresentFlag = 553,
    };
    static constexpr int kFieldCount = 641;
    static constexpr int kStoredRefFrameOffsets = 16;
    // Largest frame side H.264 allows (1055 macroblocks at the highest level).
    static constexpr int kMaxPictureSide = 1055 * 16;

    // Parses the SPS payload that follows the NAL header byte. False, with a log line, for null
    // or oversized input, a payload that ends before its last field, or a count beyond its range;
    // the record then holds what was read.
    bool parse(const uint8_t* data, int length);

    int32_t field(int index) const { return m_fields[index]; }
    const std::array<int32_t, kFieldCount>& fields() const { return m_fields; }
    int32_t scalingList4x4(int list, int entry) const { return m_fields[ScalingList4x4 + list * 16 + entry]; }
    int32_t scalingList8x8(int list, int entry) const { return m_fields[ScalingList8x8 + list * 64 + entry]; }

    int profile() const { return m_fields[ProfileIdc]; }
    int level() const { return m_fields[LevelIdc]; }
    // Cropped picture size in pixels; 0 (with a log line) when the record gives no possible size.
    int width() const;
    int height() const;

private:
    bool hasChromaFields() const;
    int cropUnitX() const;
    int cropUnitY() const;

    std::array<int32_t, kFieldCount> m_fields{};
};
