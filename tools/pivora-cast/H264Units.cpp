#include "H264Units.h"

namespace h264 {

namespace {

constexpr uint8_t kNalIdr = 5;
constexpr uint8_t kNalSps = 7;
constexpr uint8_t kNalPps = 8;

void appendUnit16(std::vector<uint8_t>& out, const NalSpan& unit)
{
    out.push_back(uint8_t(unit.size >> 8));
    out.push_back(uint8_t(unit.size));
    out.insert(out.end(), unit.data, unit.data + unit.size);
}

} // namespace

std::vector<NalSpan> splitAnnexB(const uint8_t* data, size_t size)
{
    std::vector<NalSpan> units;
    size_t i = 0;
    size_t start = size;  // start of the current unit, size when none yet
    while (i + 3 <= size) {
        if (data[i] == 0 && data[i + 1] == 0 && data[i + 2] == 1) {
            if (start < size) {
                size_t end = i;
                while (end > start && data[end - 1] == 0)  // trailing zeros belong to the next start code
                    --end;
                if (end > start)
                    units.push_back({data + start, end - start});
            }
            i += 3;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < size)
        units.push_back({data + start, size - start});
    return units;
}

std::vector<uint8_t> annexBToLengthPrefixed(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> out;
    out.reserve(size + 16);
    for (const NalSpan& unit : splitAnnexB(data, size)) {
        const uint32_t n = uint32_t(unit.size);
        out.push_back(uint8_t(n >> 24));
        out.push_back(uint8_t(n >> 16));
        out.push_back(uint8_t(n >> 8));
        out.push_back(uint8_t(n));
        out.insert(out.end(), unit.data, unit.data + unit.size);
    }
    return out;
}

std::vector<uint8_t> configRecordFromAnnexB(const uint8_t* data, size_t size)
{
    std::vector<NalSpan> sps, pps;
    for (const NalSpan& unit : splitAnnexB(data, size)) {
        const uint8_t type = unit.data[0] & 0x1F;
        if (type == kNalSps && unit.size <= 0xFFFF)
            sps.push_back(unit);
        else if (type == kNalPps && unit.size <= 0xFFFF)
            pps.push_back(unit);
    }
    if (sps.empty() || sps.front().size < 4)
        return {};
    if (sps.size() > 31)
        sps.resize(31);
    if (pps.size() > 255)
        pps.resize(255);
    const NalSpan& first = sps.front();
    std::vector<uint8_t> record = {
        1,              // configuration version
        first.data[1],  // profile
        first.data[2],  // profile compatibility
        first.data[3],  // level
        0xFF,           // 4-byte NAL lengths
        uint8_t(0xE0 | sps.size()),
    };
    for (const NalSpan& unit : sps)
        appendUnit16(record, unit);
    record.push_back(uint8_t(pps.size()));
    for (const NalSpan& unit : pps)
        appendUnit16(record, unit);
    return record;
}

bool containsIdr(const uint8_t* data, size_t size)
{
    size_t pos = 0;
    while (pos + 4 <= size) {
        const size_t n = (size_t(data[pos]) << 24) | (size_t(data[pos + 1]) << 16) |
                         (size_t(data[pos + 2]) << 8) | size_t(data[pos + 3]);
        pos += 4;
        if (n == 0 || n > size - pos)
            return false;
        if ((data[pos] & 0x1F) == kNalIdr)
            return true;
        pos += n;
    }
    return false;
}

} // namespace h264
