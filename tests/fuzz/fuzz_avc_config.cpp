#include "scairplay/AvcConfig.h"

#include "FuzzQuietLog.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzSilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > 65536)
        return 0;
    const int length = static_cast<int>(size);

    AvcConfigRecord record;
    parseAvcConfigRecord(data, length, &record);
    // Every kept set came out of the input, with its 2-byte length in front.
    int used = 6 + 1;
    for (const QList<QByteArray>* sets : {&record.sps, &record.pps})
        for (const QByteArray& set : *sets)
            used += 2 + set.size();
    if ((!record.sps.isEmpty() || !record.pps.isEmpty()) && used > length + 1)
        abort();
    const QByteArray annexB = avcConfigToAnnexB(record);
    if (annexB.size() != used - 7 + (record.sps.size() + record.pps.size()) * 2)
        abort();

    AVCodecParameters* par = avcodec_parameters_alloc();
    fillAvcVideoParameters(par, data, length);
    if (par->extradata_size != (length > 0 ? length : 0) || (length > 0 && memcmp(par->extradata, data, size) != 0))
        abort();
    if (par->width < 0 || par->height < 0 || (par->width == 0) != (par->height == 0))
        abort();
    avcodec_parameters_free(&par);
    return 0;
}
