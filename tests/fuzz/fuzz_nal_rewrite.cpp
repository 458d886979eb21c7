#include "scairplay/AvcConfig.h"

#include "FuzzQuietLog.h"

#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzzSilenceLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1 << 20))
        return 0;
    // Exactly sized heap copy, so any read or write past the end is caught.
    std::vector<uint8_t> buffer(data, data + size);
    const AvcNalRewrite result = rewriteNalLengthsToStartCodes(buffer.data(), static_cast<int>(size));

    // Walk the original lengths again: each replaced field is now a start code, the units and
    // everything after the last replaced field are untouched.
    size_t pos = 0;
    for (int unit = 0; unit < result.units; ++unit) {
        static const uint8_t startCode[4] = {0, 0, 0, 1};
        if (pos + 4 > size || memcmp(buffer.data() + pos, startCode, 4) != 0)
            abort();
        const size_t length = (size_t(data[pos]) << 24) | (size_t(data[pos + 1]) << 16) |
            (size_t(data[pos + 2]) << 8) | data[pos + 3];
        if (memcmp(buffer.data() + pos + 4, data + pos + 4, length) != 0)
            abort();
        pos += 4 + length;
    }
    if (pos > size || (pos < size && memcmp(buffer.data() + pos, data + pos, size - pos) != 0))
        abort();
    if (result.complete != (pos == size))
        abort();
    return 0;
}
