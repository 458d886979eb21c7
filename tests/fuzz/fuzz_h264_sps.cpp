#include "media/H264BitReader.h"
#include "media/H264Sps.h"

#include "FuzzQuietLog.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzSilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 4096)
        return 0;
    const int length = static_cast<int>(size);

    H264Sps sps;
    sps.parse(data, length);
    const int width = sps.width();
    const int height = sps.height();
    if (width < 0 || width > H264Sps::kMaxPictureSide || height < 0 || height > H264Sps::kMaxPictureSide)
        abort();

    // The reader alone: mixed reads must stay inside the copy and end at its end.
    auto reader = H264BitReader::create(data, length);
    if (!reader)
        abort();
    for (int i = 0; i < 64 && !reader->overran(); ++i) {
        reader->readUe();
        reader->readSe();
        reader->readBits(static_cast<int>(i % 34) - 1);
        reader->readBit();
    }
    if (reader->bitPosition() > reader->totalBits() || reader->size() > length)
        abort();
    return 0;
}
