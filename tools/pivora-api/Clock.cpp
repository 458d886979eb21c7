#include "Clock.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int64_t Clock::now() const
{
    const auto since = std::chrono::system_clock::now().time_since_epoch();
    const int64_t seconds = std::chrono::duration_cast<std::chrono::seconds>(since).count();
    return seconds + m_offset.load() + fileOffset();
}

int64_t Clock::fileOffset() const
{
    if (m_offsetFile.empty())
        return 0;
    std::FILE* file = std::fopen(m_offsetFile.c_str(), "r");
    if (!file)
        return 0;
    char text[32] = {};
    const size_t length = std::fread(text, 1, sizeof text - 1, file);
    std::fclose(file);
    text[length] = '\0';
    return std::strtoll(text, nullptr, 10);
}
