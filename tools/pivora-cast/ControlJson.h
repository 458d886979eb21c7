#pragma once
// The one-line JSON form in which the simulated phone reports each control message.

#include "CastProtocol.h"

#include <string>
#include <vector>

namespace controljson {

std::string touch(const std::vector<cast::TouchRecord>& records);
std::string key(int32_t action, uint32_t code);
std::string systemKey(uint32_t mask);
std::string simple(const char* type);  // keyframe, disconnect

// Writes one line to stdout and flushes it; lines of several phones never interleave.
void print(const std::string& line);

} // namespace controljson
