#include "ControlJson.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <mutex>

namespace controljson {

namespace {

// Shortest text that reads back as the same float: 0.6f prints as 0.6, not 0.600000024.
std::string number(float v)
{
    if (!std::isfinite(v))
        return "null";
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, v);
    return std::string(text, result.ptr);
}

} // namespace

std::string touch(const std::vector<cast::TouchRecord>& records)
{
    std::string line = "{\"type\":\"touch\",\"records\":[";
    for (size_t i = 0; i < records.size(); ++i) {
        const cast::TouchRecord& r = records[i];
        if (i)
            line += ',';
        line += "{\"pressed\":" + std::to_string(r.pressed) + ",\"id\":" + std::to_string(r.pointerId) +
                ",\"x\":" + number(r.x) + ",\"y\":" + number(r.y) + "}";
    }
    return line + "]}";
}

std::string key(int32_t action, uint32_t code)
{
    return "{\"type\":\"key\",\"action\":" + std::to_string(action) + ",\"code\":" + std::to_string(code) + "}";
}

std::string systemKey(uint32_t mask)
{
    return "{\"type\":\"system_key\",\"mask\":" + std::to_string(mask) + "}";
}

std::string simple(const char* type)
{
    return std::string("{\"type\":\"") + type + "\"}";
}

void print(const std::string& line)
{
    static std::mutex mutex;
    std::lock_guard<std::mutex> lock(mutex);
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace controljson
